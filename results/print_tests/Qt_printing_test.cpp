// Printing through the real code path: the text device on a QPrinter that
// writes a PDF, read back with poppler's pdfinfo and pdftotext; and the
// errors of the job and of a missing default printer.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Default_printer.h"
#include "Pdf_reading.h"
#include "Qt_print_surface.h"
#include "Test_font.h"

namespace {


void Set_up_pdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// The layout's figures for the printer: lines of the printer's font per page
// by the page-break rule (after n lines y = n h; a page ends when
// n h > H - 2 h), and the most x's whose run fits in the page width.
struct Figures {
    int lines_per_page;
    int characters_per_line;
};

Figures Figures_of(QPrinter& printer)
{
    Qt_print_surface surface(printer, Printer_font(Font_family));
    const int line = surface.Text_height("x") + 2;
    int characters = 0;
    while (surface.Text_width(std::string(characters + 1, 'x')) <= surface.Page_width()) {
        ++characters;
    }
    return {(surface.Page_height() - 2 * line) / line + 1, characters};
}

std::string Numbered_lines(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "Line " + std::to_string(i) + "\r\n";
    }
    return text;
}

class Pdf_printout : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(directory_.isValid());
        Set_up_pdf(printer_, path_);
        figures_ = Figures_of(printer_);
        ASSERT_GT(figures_.lines_per_page, 10);
        ASSERT_GT(figures_.characters_per_line, 40);
    }

    void Print(const std::string& text) { Print_text(printer_, Font_family, text); }

    QTemporaryDir directory_;
    QString path_ = directory_.filePath("out.pdf");
    std::string pdf_ = path_.toStdString();
    QPrinter printer_{QPrinter::HighResolution};
    Figures figures_{};
};

TEST_F(Pdf_printout, ReportLinesAreThePrintedLines)
{
    Print("Comparison of two cases\r\n\r\n  Raw difference   = 12.000\r\n"
          "\tTab-indented line\r\nZ\xC3\xBCrich \xC2\xB1 5 \xC2\xB0"
          "C\r\n");
    EXPECT_EQ(Page_count(pdf_), 1);
    const std::vector<std::vector<std::string>> expected{
        {"Comparison of two cases", "  Raw difference   = 12.000", "        Tab-indented line",
         "Z\xC3\xBCrich \xC2\xB1 5 \xC2\xB0"
         "C"}};
    EXPECT_EQ(Page_lines(pdf_), expected);
}

TEST_F(Pdf_printout, LongLineBreaksAtTheLastCharacterThatFits)
{
    const int length = figures_.characters_per_line * 2 + 7;
    Print(std::string(length, 'x'));
    const std::vector<std::vector<std::string>> expected{{std::string(figures_.characters_per_line, 'x'),
                                                          std::string(figures_.characters_per_line, 'x'),
                                                          std::string(7, 'x')}};
    EXPECT_EQ(Page_lines(pdf_), expected);
}

TEST_F(Pdf_printout, LongTextContinuesOnFurtherPagesWithoutHeader)
{
    const int per_page = figures_.lines_per_page;
    Print(Numbered_lines(2 * per_page + 3));
    ASSERT_EQ(Page_count(pdf_), 3);
    const auto pages = Page_lines(pdf_);
    ASSERT_EQ(pages.size(), 3u);
    for (int page = 0; page < 3; ++page) {
        const int lines = page < 2 ? per_page : 3;
        ASSERT_EQ(pages[page].size(), static_cast<std::size_t>(lines)) << "page " << page + 1;
        EXPECT_EQ(pages[page].front(), "Line " + std::to_string(page * per_page + 1));
        EXPECT_EQ(pages[page].back(), "Line " + std::to_string(page * per_page + lines));
    }
}

TEST_F(Pdf_printout, FullPageEjectsNoBlankSheetAtTheEnd)
{
    Print(Numbered_lines(figures_.lines_per_page));
    EXPECT_EQ(Page_count(pdf_), 1);
}

TEST_F(Pdf_printout, FormFeedStartsAPage)
{
    Print("first\r\n\fsecond\r\n");
    const std::vector<std::vector<std::string>> expected{{"first"}, {"second"}};
    EXPECT_EQ(Page_count(pdf_), 2);
    EXPECT_EQ(Page_lines(pdf_), expected);
}

TEST(Qt_printing, JobThatCannotBeOpenedIsAnError)
{
    QPrinter printer(QPrinter::HighResolution);
    Set_up_pdf(printer, "/nonexistent-folder/out.pdf");
    try {
        Print_text(printer, Font_family, "text");
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("could not be started"), std::string::npos) << error.what();
    }
}

// main points CUPS at a socket where no scheduler listens.
TEST(Qt_printing, NoDefaultPrinterIsAnError)
{
    const auto printer = Make_default_printer(Font_family);
    try {
        printer->Print("text");
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "There is no default printer currently selected");
    }
}

}  // namespace
