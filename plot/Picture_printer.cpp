#include "Picture_printer.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

#include "Default_printer_job.h"
#include "Plot_file.h"
#include "Plot_painter.h"
#include "Program_strings.h"
#include "Qt_text.h"

namespace {

constexpr double Screen_dpi = 96;

class Default_picture_printer : public Picture_printer {
public:
    void Print(const Plot_subject& subject) override
    {
        QPrinter printer(Default_printer_info(), QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        Print_picture(printer, subject);
    }
};

}  // namespace

std::unique_ptr<Picture_printer> Make_default_picture_printer()
{
    return std::make_unique<Default_picture_printer>();
}

void Print_picture(QPrinter& printer, const Plot_subject& subject)
{
    printer.setDocName(Qt_text(Plot_window_title));
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("The print job could not be started on the printer \"" +
                                 printer.printerName().toStdString() + "\"");
    const double width = printer.width();
    const double height = std::min<double>(printer.height(), width * Image_height / Image_width);
    Paint_plot_scaled(painter, subject, width, height, printer.resolution() / Screen_dpi);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw std::runtime_error("The print job could not be completed");
    Check_job_accepted(printer);
}
