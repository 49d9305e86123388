#include "Qt_print_surface.h"

#include <QCoreApplication>
#include <QPrinter>
#include <stdexcept>

#include "Default_printer_job.h"
#include "Qt_text.h"

namespace {

constexpr int Font_points = 8;

}  // namespace

Qt_print_surface::Qt_print_surface(QPrinter& printer, const QFont& font)
    : printer_(printer), font_(font, &printer), metrics_(font_, &printer)
{
}

Qt_print_surface::~Qt_print_surface()
{
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

int Qt_print_surface::Text_width(std::string_view run)
{
    return metrics_.horizontalAdvance(Qt_text(run));
}

// Every run of one font is as high as the font's lines.
int Qt_print_surface::Text_height(std::string_view)
{
    return metrics_.height();
}

int Qt_print_surface::Char_height()
{
    return metrics_.height();
}

int Qt_print_surface::Average_char_width()
{
    return metrics_.averageCharWidth();
}

// The printer's metrics are those of its printable area.
int Qt_print_surface::Page_width()
{
    return printer_.width();
}

int Qt_print_surface::Page_height()
{
    return printer_.height();
}

void Qt_print_surface::Begin_document()
{
    if (!painter_.begin(&printer_)) {
        throw std::runtime_error("The print job could not be started on the printer \"" +
                                 printer_.printerName().toStdString() + "\"");
    }
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
}

void Qt_print_surface::New_page()
{
    if (!printer_.newPage()) {
        throw std::runtime_error("The printer could not start a new page");
    }
    // Lets the windows repaint while a long job is spooled; user input waits,
    // so no second job can start inside this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// QPainter draws text on its baseline; the device positions a run by its top.
void Qt_print_surface::Draw_text(int x, int y, std::string_view run)
{
    painter_.drawText(x, y + metrics_.ascent(), Qt_text(run));
    if (printer_.printerState() == QPrinter::Error) {
        throw std::runtime_error("The printer reported an error while the text was drawn");
    }
}

void Qt_print_surface::End_document()
{
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) {
        throw std::runtime_error("The print job could not be completed");
    }
    Check_job_accepted(printer_);
}

QFont Printer_font(const std::string& font_family)
{
    QFont font(QString::fromStdString(font_family), Font_points);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void Print_text(QPrinter& printer, const std::string& font_family, const std::string& text)
{
    printer.setDocName(QString());
    printer.setFullPage(false);
    Qt_print_surface surface(printer, Printer_font(font_family));
    Print_on(surface, text);
}
