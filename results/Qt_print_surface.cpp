#include "Qt_print_surface.h"

#include <QCoreApplication>
#include <QPrinter>
#include <dlfcn.h>
#include <stdexcept>

namespace {

QString To_qstring(std::string_view run)
{
    return QString::fromUtf8(run.data(), static_cast<qsizetype>(run.size()));
}

constexpr int Font_points = 8;

// On a native printer, Qt renders the job into a file and, when the painter
// ends, hands it to the CUPS scheduler (cupsPrintFile) without telling the
// caller whether the scheduler accepted it. The CUPS client library keeps
// the status of this thread's last request; it is read through the library
// that Qt's CUPS support has already loaded (nothing is loaded here, and on a
// platform without CUPS there is nothing to read). The functions are those of
// the library's public C interface: ipp_status_t cupsLastError(void) and
// const char* cupsLastErrorString(void); statuses above 0xff are errors.
void Check_job_accepted_by_cups()
{
    void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) {
        return;
    }
    using Status_function = int (*)();
    using Message_function = const char* (*)();
    const auto last_error = reinterpret_cast<Status_function>(dlsym(library, "cupsLastError"));
    const auto last_message = reinterpret_cast<Message_function>(dlsym(library, "cupsLastErrorString"));
    const int status = last_error != nullptr ? last_error() : 0;
    const std::string message = last_message != nullptr && last_message() != nullptr ? last_message() : "";
    dlclose(library);
    constexpr int Last_success_status = 0xff;
    if (status > Last_success_status) {
        throw std::runtime_error("The printer did not accept the print job: " + message);
    }
}

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
    return metrics_.horizontalAdvance(To_qstring(run));
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
    painter_.drawText(x, y + metrics_.ascent(), To_qstring(run));
    if (printer_.printerState() == QPrinter::Error) {
        throw std::runtime_error("The printer reported an error while the text was drawn");
    }
}

void Qt_print_surface::End_document()
{
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) {
        throw std::runtime_error("The print job could not be completed");
    }
    if (printer_.outputFormat() == QPrinter::NativeFormat) {
        Check_job_accepted_by_cups();
    }
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
