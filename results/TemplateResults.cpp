#include "TemplateResults.h"

#include <QCloseEvent>
#include <QResizeEvent>

#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>

#include <string_view>

#include "Client_area.h"
#include "Column_fit.h"
#include "Menu_keys.h"
#include "Platform.h"
#include "Program_strings.h"
#include "Qt_text.h"
#include "Report.h"
#include "Results_file.h"
#include "Results_printer.h"
#include "Results_text.h"
#include "Save_file.h"
#include "Save_name.h"
#include "Title_buttons.h"
#include "Window_fonts.h"
#include "Window_keys.h"
#include "Window_placement.h"

namespace {

// The client area's first size, that of the 96 dpi layout, and the least
// to which the user can make it smaller: the whole width, where the report's
// columns fit, and a text of some fifteen lines.
constexpr QSize Client_design(792, 554);
constexpr QSize Client_least(792, 300);

QFrame* Make_panel(QWidget* parent, const QString& name, QFrame::Shadow bevel, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | bevel);
    panel->setGeometry(geometry);
    return panel;
}

}  // namespace

TfrmTemplateResults::TfrmTemplateResults(Platform& platform, Results_printer& printer, QWidget* parent)
    : QWidget(parent), platform_(platform), printer_(printer)
{
    Build_controls();
    FormCreate();
    Place_on_screen(*this);
}

void TfrmTemplateResults::Build_controls()
{
    // The title bar carries no close button: the viewer is left through
    // "Return to Worksheet" or "Exit". The user can make it larger, up to
    // the whole screen, for the text to show more of the reports.
    Set_title_buttons(*this, Title_buttons::Maximise);
    setWindowTitle("Output");
    setFont(System_font(11));

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    File1 = MainMenu1->addMenu("Printer options...");
    File1->setObjectName("File1");
    mnuPrint = File1->addAction("Print All", this, &TfrmTemplateResults::mnuPrintClick);
    mnuPrint->setObjectName("mnuPrint");
    mnuPrintSelection = File1->addAction("Print Selection", this, &TfrmTemplateResults::mnuPrintSelectionClick);
    mnuPrintSelection->setObjectName("mnuPrintSelection");
    File1->addSeparator();
    mnuSavePdf = File1->addAction("Save as PDF...", this, &TfrmTemplateResults::mnuSavePdfClick);
    mnuSavePdf->setObjectName("mnuSavePdf");
    mnuView = MainMenu1->addMenu("View");
    mnuView->setObjectName("mnuView");
    mnuPlot = mnuView->addAction("Plot of the last comparison...", this, &TfrmTemplateResults::mnuPlotClick);
    mnuPlot->setObjectName("mnuPlot");
    // Enabled by the first comparison.
    mnuPlot->setEnabled(false);
    mnuSummary = mnuView->addAction("Summary of the last comparison...", this, &TfrmTemplateResults::mnuSummaryClick);
    mnuSummary->setObjectName("mnuSummary");
    mnuSummary->setEnabled(false);
    new Menu_keys(*MainMenu1);

    // The client area lies below the menu bar.
    const int menu_height = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, Client_design.width(), menu_height);
    QWidget* client = &(new Client_area(*this, Client_design, menu_height, Client_least))->Controls();

    Panel1 = Make_panel(client, "Panel1", QFrame::Raised, {});
    memoResults = new QPlainTextEdit(Panel1);
    memoResults->setObjectName("memoResults");
    memoResults->setFont(Report_font());
    Keep_columns_on_a_line(*memoResults, Report_columns);
    QPalette palette = memoResults->palette();
    palette.setColor(QPalette::Text, Qt::black);
    memoResults->setPalette(palette);
    memoResults->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoResults->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoResults->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tab_leaves_text_box(*memoResults);

    Panel2 = Make_panel(client, "Panel2", QFrame::Sunken, {});
    QFont button_font = System_font(13);
    button_font.setBold(true);
    const auto make_button = [client, &button_font](const char* name, std::string_view caption) {
        auto* button = new QPushButton(Qt_text(caption), client);
        button->setObjectName(name);
        button->setFont(button_font);
        return button;
    };
    cmdSaveOutput = make_button("cmdSaveOutput", Save_output_caption);
    cmdClearResults = make_button("cmdClearResults", Clear_results_caption);
    cmdReturn = make_button("cmdReturn", "Return to Worksheet");
    cmdExit = make_button("cmdExit", "Exit");
    Lay_out_controls(client->size());
    client->installEventFilter(this);
    connect(cmdSaveOutput, &QPushButton::clicked, this, &TfrmTemplateResults::cmdSaveOutputClick);
    connect(cmdClearResults, &QPushButton::clicked, this, &TfrmTemplateResults::cmdClearResultsClick);
    connect(cmdReturn, &QPushButton::clicked, this, &TfrmTemplateResults::cmdReturnClick);
    connect(cmdExit, &QPushButton::clicked, this, &TfrmTemplateResults::cmdExitClick);
    Return_presses_buttons(*this);

    setTabOrder(memoResults, cmdSaveOutput);
    setTabOrder(cmdSaveOutput, cmdClearResults);
    setTabOrder(cmdClearResults, cmdReturn);
    setTabOrder(cmdReturn, cmdExit);
}

// The 96 dpi layout at the design size; a larger client area widens and
// deepens the panel and its text, and the button row keeps to the bottom,
// centred.
void TfrmTemplateResults::Lay_out_controls(QSize client)
{
    const QSize grown = client - Client_design;
    Panel1->setGeometry(12, 2, 765 + grown.width(), 468 + grown.height());
    memoResults->setGeometry(8, 8, 749 + grown.width(), 452 + grown.height());
    Panel2->setGeometry(12, 482 + grown.height(), 765 + grown.width(), 49);
    const int shift = grown.width() / 2;
    const std::pair<QPushButton*, int> buttons[] = {
        {cmdSaveOutput, 28}, {cmdClearResults, 220}, {cmdReturn, 411}, {cmdExit, 603}};
    for (const auto& [button, left] : buttons)
        button->setGeometry(left + shift, 488 + grown.height(), 161, 37);
}

bool TfrmTemplateResults::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == Panel1->parentWidget())
        Lay_out_controls(static_cast<const QResizeEvent&>(*event).size());
    return QWidget::eventFilter(watched, event);
}

void TfrmTemplateResults::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    MainMenu1->resize(width(), MainMenu1->height());
}

void TfrmTemplateResults::FormCreate()
{
    memoResults->clear();
}

void TfrmTemplateResults::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmTemplateResults::closeEvent(QCloseEvent* event)
{
    // Ending the application closes every window: allowed once "Exit" was
    // confirmed here, or while the viewer is hidden (the worksheet's own exit).
    if (Exit_confirmed || !isVisible()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    cmdReturnClick();
}

void TfrmTemplateResults::FormShow()
{
    raise();
    activateWindow();
    cmdReturn->setFocus();
}

void TfrmTemplateResults::Show_window()
{
    show();
}

void TfrmTemplateResults::Set_caption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

bool TfrmTemplateResults::Holds_a_line() const
{
    return !memoResults->document()->isEmpty();
}

void TfrmTemplateResults::Append_lines(const std::vector<std::string>& lines)
{
    QString addition;
    // Text that the user typed after the last line break is a line of its
    // own; what follows starts below it.
    const bool break_typed_line = Holds_a_line() && !memoResults->toPlainText().endsWith(QChar('\n'));
    if (break_typed_line)
        addition += QChar('\n');
    for (const std::string& line : lines)
        addition += QString::fromStdString(line) + QChar('\n');
    QTextCursor cursor(memoResults->document());
    cursor.movePosition(QTextCursor::End);
    const int first_new_line = cursor.position() + (break_typed_line ? 1 : 0);
    cursor.insertText(addition);
    // The view shows the new lines from their first (a new report's separator
    // line, or the first line of the first report): the end scrolled into
    // view first, then that line, which comes to the top of the view when
    // the lines are more than the view holds. The caret stays at the end.
    memoResults->setTextCursor(cursor);
    memoResults->ensureCursorVisible();
    const int end = cursor.position();
    cursor.setPosition(first_new_line);
    memoResults->setTextCursor(cursor);
    memoResults->ensureCursorVisible();
    const int shown = memoResults->verticalScrollBar()->value();
    cursor.setPosition(end);
    memoResults->setTextCursor(cursor);
    memoResults->verticalScrollBar()->setValue(shown);
}

void TfrmTemplateResults::cmdSaveOutputClick()
{
    const std::optional<std::string> file_name = Completed_save_name(platform_, platform_.Ask_save_file_name(), "txt");
    if (!file_name)
        return;
    Save_file(*file_name, Results_file_contents(memoResults->toPlainText().toStdString()));
}

void TfrmTemplateResults::cmdClearResultsClick()
{
    // Removed as one edit of the text, so that its undo (Ctrl+Z, or "Undo"
    // in the text's context menu) brings every line back.
    QTextCursor cursor(memoResults->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void TfrmTemplateResults::cmdReturnClick()
{
    hide();
    emit Worksheet_requested();
}

void TfrmTemplateResults::cmdExitClick()
{
    if (platform_.Confirm("Exit from program?")) {
        Exit_confirmed = true;
        QCoreApplication::quit();
    }
}

void TfrmTemplateResults::mnuPrintClick()
{
    printer_.Print(Printer_text(memoResults->toPlainText()));
}

// The PDF document of the whole text replaces the chosen file only after a
// complete write.
void TfrmTemplateResults::mnuSavePdfClick()
{
    const std::optional<std::string> file_name =
        Completed_save_name(platform_, platform_.Ask_save_file_name_for("results.pdf", "*.pdf"), "pdf");
    if (!file_name)
        return;
    const std::string pdf = printer_.Pdf_document(Printer_text(memoResults->toPlainText()));
    Save_file(*file_name, pdf);
}

void TfrmTemplateResults::mnuPlotClick()
{
    emit Plot_requested();
}

void TfrmTemplateResults::mnuSummaryClick()
{
    emit Summary_requested();
}

void TfrmTemplateResults::Enable_summary()
{
    mnuSummary->setEnabled(true);
}

void TfrmTemplateResults::Enable_plot()
{
    mnuPlot->setEnabled(true);
}

void TfrmTemplateResults::mnuPrintSelectionClick()
{
    const QTextCursor cursor = memoResults->textCursor();
    if (!cursor.hasSelection()) {
        platform_.Show_warning("You have not selected any text.");
        return;
    }
    printer_.Print(Printer_text(cursor.selectedText()));
}
