// "Save as PDF..." through the real printer code: the PDF document of the
// results text, read back with poppler, keeps each report whole on a page,
// numbers its pages, dates them and keeps its margins.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Default_printer.h"
#include "Golden_report.h"
#include "Pdf_reading.h"
#include "Test_font.h"

namespace {


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

// A word that pdftotext -bbox found on a page, in points from the top left.
struct Word {
    std::string Text;
    double Left;
    double Top;
    double Right;
    double Bottom;
};

struct Page_words {
    double Width = 0;
    double Height = 0;
    std::vector<Word> Words;
};

std::vector<Page_words> Words_of(const std::string& pdf)
{
    const std::string boxes = Run("pdftotext -bbox '" + pdf + "' -");
    const std::regex page_pattern(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    const std::regex word_pattern(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<Page_words> pages;
    std::istringstream lines(boxes);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match, page_pattern))
            pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
        else if (std::regex_search(line, match, word_pattern) && !pages.empty())
            pages.back().Words.push_back(
                {match[5], std::stod(match[1]), std::stod(match[2]), std::stod(match[3]), std::stod(match[4])});
    }
    return pages;
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

constexpr double Points_per_mm = 72 / 25.4;

// Three reports of 35 lines: two fit a page of a common paper (A4, Letter)
// at most, so they take two or three pages, and each stands whole on a page:
// every page begins with a report's first line (the separator line of each
// report after the first) and ends with a report's last line above the
// footer, which holds the date and the page's number.
TEST_F(Pdf_document, EachReportWholeOnAPageWithPageNumbersAndDate)
{
    const std::vector<std::vector<std::string>> pages = Page_lines(Saved_pdf(Results_text(3)));
    ASSERT_GE(pages.size(), 2u);
    ASSERT_LE(pages.size(), 3u);
    const std::string today = QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
    int separators = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        ASSERT_GE(pages[i].size(), 3u);
        if (i == 0)
            EXPECT_NE(pages[i][0].find("VORAN.EXE"), std::string::npos) << pages[i][0];
        else
            EXPECT_EQ(pages[i][0], std::string(103, '_'));
        separators += static_cast<int>(std::count(pages[i].begin(), pages[i].end(), std::string(103, '_')));
        const std::string& last = pages[i][pages[i].size() - 2];
        EXPECT_NE(last.find("upper credible limit on the percentage"), std::string::npos) << last;
        const std::string& footer = pages[i].back();
        EXPECT_EQ(footer.substr(0, today.size()), today) << footer;
        const std::string number = "page " + std::to_string(i + 1) + " of " + std::to_string(pages.size());
        EXPECT_EQ(footer.substr(footer.size() - number.size()), number) << footer;
    }
    EXPECT_EQ(separators, 2);
}

// Every word at least 15 mm from each edge of the paper, and the report's
// 103 columns (its separator line) nearly as wide as the space between the
// margins: the largest size at which they fit.
TEST_F(Pdf_document, MarginsOfFifteenMillimetresAndTheColumnsAcrossThePage)
{
    const std::vector<Page_words> pages = Words_of(Saved_pdf(Results_text(3)));
    ASSERT_GE(pages.size(), 2u);
    const double margin = 15 * Points_per_mm - 0.5;
    for (const Page_words& page : pages) {
        for (const Word& word : page.Words) {
            EXPECT_GE(word.Left, margin) << word.Text;
            EXPECT_GE(word.Top, margin) << word.Text;
            EXPECT_LE(word.Right, page.Width - margin) << word.Text;
            EXPECT_LE(word.Bottom, page.Height - margin) << word.Text;
        }
    }
    const auto separator = std::find_if(pages[1].Words.begin(), pages[1].Words.end(),
                                        [](const Word& word) { return word.Text == std::string(103, '_'); });
    ASSERT_NE(separator, pages[1].Words.end());
    const double room = pages[1].Width - 2 * 15 * Points_per_mm;
    EXPECT_LE(separator->Right - separator->Left, room);
    EXPECT_GE(separator->Right - separator->Left, 0.97 * room);
}

TEST_F(Pdf_document, EmptyResultsGiveOnePageWithItsFooter)
{
    const std::vector<std::vector<std::string>> pages = Page_lines(Saved_pdf(""));
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 1u);
    EXPECT_NE(pages[0][0].find("page 1 of 1"), std::string::npos) << pages[0][0];
}

}  // namespace
