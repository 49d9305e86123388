#include "Default_printer.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <stdexcept>
#include <utility>

#include "Default_printer_job.h"
#include "Qt_print_surface.h"
#include "Save_file.h"

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

    // Qt's PDF printer writes to a named file: the document is made in a
    // temporary folder of its own and read back.
    std::string Pdf_document(const std::string& text) override
    {
        QTemporaryDir directory;
        if (!directory.isValid())
            throw std::runtime_error("No temporary folder for the PDF document: " +
                                     directory.errorString().toStdString());
        const QString path = directory.filePath("results.pdf");
        {
            QPrinter printer(QPrinter::HighResolution);
            Set_up_pdf_printer(printer, path);
            Print_text(printer, font_family_, text);
        }
        // A text that draws nothing starts no job; its document is one blank page.
        if (!QFile::exists(path)) {
            QPrinter printer(QPrinter::HighResolution);
            Set_up_pdf_printer(printer, path);
            QPainter painter;
            if (!painter.begin(&printer) || !painter.end())
                throw std::runtime_error("The PDF document could not be made");
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error(File_error_text("Cannot read file", file));
        return file.readAll().toStdString();
    }

private:
    std::string font_family_;
};

}  // namespace

std::unique_ptr<Results_printer> Make_default_printer(const std::string& font_family)
{
    return std::make_unique<Default_printer>(font_family);
}

void Set_up_pdf_printer(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        printer.setPageLayout(QPrinter(info, QPrinter::HighResolution).pageLayout());
}
