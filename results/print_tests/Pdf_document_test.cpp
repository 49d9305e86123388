// "Save as PDF..." through the real printer code: the PDF document of the
// results text, read back with poppler, holds the text line by line and has
// the pages of the printout that the same text makes.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "Default_printer.h"
#include "Golden_report.h"
#include "Page_counter.h"
#include "Pdf_reading.h"
#include "Qt_print_surface.h"

namespace {

const std::string Font_family = "Courier New";

// Reports one below the other, as they accumulate in the viewer, with CR LF.
std::string Results_text(int reports)
{
    std::string text;
    for (int i = 0; i < reports; ++i) {
        if (i > 0)
            text += std::string(103, '_') + "\r\n";
        for (const std::string& line : Worked_example_report())
            text += line + "\r\n";
    }
    return text;
}

// pdftotext -layout puts the text on a character grid of its own estimate,
// so a run of blanks inside a line may come back one blank longer or
// shorter: lines are compared with each run of blanks squeezed to one.
std::string Squeezed(const std::string& line)
{
    std::string squeezed;
    for (const char c : line)
        if (c != ' ' || squeezed.empty() || squeezed.back() != ' ')
            squeezed += c;
    return squeezed;
}

// The lines of the text as pdftotext reads them: trailing blanks removed,
// empty lines left out (they print nothing), blanks squeezed.
std::vector<std::string> Printed_lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = text.substr(start, end - start);
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty())
            lines.push_back(Squeezed(line));
    }
    return lines;
}

// The pages of the printout of the text: the text device on a printer's
// page, here Qt's default page (the tests see no printer).
int Printout_pages(const std::string& text)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    Qt_print_surface metrics(printer, Printer_font(Font_family));
    Page_counter counter(metrics);
    Print_on(counter, text);
    return counter.pages;
}

class Pdf_document : public testing::Test {
protected:
    void SetUp() override
    {
        if (!Poppler_available())
            GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are missing";
        ASSERT_TRUE(directory_.isValid());
    }

    std::string Saved_pdf(const std::string& text)
    {
        const std::string document = Make_default_printer(Font_family)->Pdf_document(text);
        QFile file(path_);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(document.data(), static_cast<qint64>(document.size()));
        return path_.toStdString();
    }

    QTemporaryDir directory_;
    QString path_ = directory_.filePath("results.pdf");
};

TEST_F(Pdf_document, TextEqualsTheResultsLineByLine)
{
    const std::string text = Results_text(4);
    std::vector<std::string> read;
    for (const auto& page : Page_lines(Saved_pdf(text)))
        for (const std::string& line : page)
            read.push_back(Squeezed(line));
    EXPECT_EQ(read, Printed_lines(text));
}

TEST_F(Pdf_document, PageCountEqualsThePrintouts)
{
    const std::string text = Results_text(4);
    const int pages = Printout_pages(text);
    ASSERT_GE(pages, 2) << "the text must fill more than one page";
    EXPECT_EQ(Page_count(Saved_pdf(text)), pages);
}

TEST_F(Pdf_document, EmptyResultsGiveOneBlankPage)
{
    const std::string pdf = Saved_pdf("");
    EXPECT_EQ(Page_count(pdf), 1);
    for (const auto& page : Page_lines(pdf))
        EXPECT_TRUE(page.empty());
}

}  // namespace
