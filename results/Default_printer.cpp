#include "Default_printer.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "Default_printer_job.h"
#include "Qt_print_surface.h"
#include "Results_pdf.h"

namespace {

// The default printer is looked up at every Print, so a change of the
// platform's default between two jobs is followed.
class Default_printer : public Results_printer {
public:
    explicit Default_printer(std::string font_family) : font_family_(std::move(font_family)) {}

    void Print(const std::string& text) override
    {
        QPrinter printer(Default_printer_info(), QPrinter::HighResolution);
        Print_text(printer, font_family_, text);
    }

    // The document of the results, on the default printer's paper when
    // there is a default printer, on the toolkit's default paper otherwise.
    std::string Pdf_document(const std::string& text) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        const QPageLayout paper = info.isNull() ? QPrinter().pageLayout() : QPrinter(info).pageLayout();
        return Results_pdf(text, paper, QString::fromStdString(font_family_),
                           QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat));
    }

private:
    std::string font_family_;
};

}  // namespace

std::unique_ptr<Results_printer> Make_default_printer(const std::string& font_family)
{
    return std::make_unique<Default_printer>(font_family);
}
