// The program entry: the Qt application with its error report, the folder
// of the control data file (decided here, once), the windows and the event
// loop. The worksheet is the main window; closing it, or "Exit" answered
// with Yes, ends the program. The plot and summary windows follow the
// worksheet's comparisons and open from the results viewer's "View" menu.
#include <QFile>
#include <QLocale>
#include <QSettings>

#include "Data_folder.h"
#include "Default_printer.h"
#include "No_display.h"
#include "Picture_printer.h"
#include "Plot_window.h"
#include "Qt_platform.h"
#include "Summary_window.h"
#include "Window_fonts.h"
#include "TemplateForm.h"
#include "TemplateResults.h"
#include "Voran_application.h"
#include "distrib.h"

int main(int argc, char** argv)
{
    Exit_with_status_1_when_no_display_opens();
    Qt_platform platform;
    Voran_application application(argc, argv, platform);
    // The user's decimal separator, for the numbers of the windows and of
    // the statistics library's messages.
    const char separator = System_decimal_separator();
    Set_decimal_separator(separator);

    const std::unique_ptr<Results_printer> printer = Make_default_printer(Report_font().family().toStdString());
    // The viewer is made first (hidden, empty) because the worksheet's
    // "Compute" writes into it.
    TfrmTemplateResults frmTemplateResults(platform, *printer);
    TfrmTemplate frmTemplate(platform, frmTemplateResults,
                             QFile::decodeName(Data_folder(This_process_facts()).c_str()), separator);
    QObject::connect(&frmTemplateResults, &TfrmTemplateResults::Worksheet_requested, &frmTemplate, &QWidget::show);

    const std::unique_ptr<Picture_printer> picture_printer = Make_default_picture_printer();
    TfrmPlot frmPlot(platform, *picture_printer, separator);
    // The program's settings (the summary's language) in the user's
    // configuration folder: ~/.config/voran/voran.conf.
    QSettings settings("voran", "voran");
    TfrmSummary frmSummary(settings, QLocale::system().name());
    // The summary first: the plot raises for numbers it cannot draw.
    Comparison_listeners listeners;
    listeners.Add(frmSummary);
    listeners.Add(frmPlot);
    frmTemplate.Set_comparison_listener(&listeners);
    QObject::connect(&frmPlot, &TfrmPlot::Comparison_available, &frmTemplateResults, &TfrmTemplateResults::Enable_plot);
    QObject::connect(&frmTemplateResults, &TfrmTemplateResults::Plot_requested, &frmPlot, &TfrmPlot::Show_window);
    QObject::connect(&frmSummary, &TfrmSummary::Comparison_available, &frmTemplateResults,
                     &TfrmTemplateResults::Enable_summary);
    QObject::connect(&frmTemplateResults, &TfrmTemplateResults::Summary_requested, &frmSummary,
                     &TfrmSummary::Show_window);
    frmTemplate.show();
    return application.exec();
}
