// The pages of the results document: lines broken at the columns, reports
// kept whole on a page where they fit, form feeds and tabs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Document_pages.h"
#include "Report.h"

namespace {

const std::string Separator(Report_columns, '_');

// A report of `count` lines, its first line `first`, as the text holds it.
std::string Report(const std::string& first, int count)
{
    std::string text = first + "\r\n";
    for (int i = 1; i < count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

std::vector<std::size_t> Page_sizes(const std::vector<Document_page>& pages)
{
    std::vector<std::size_t> sizes;
    for (const Document_page& page : pages)
        sizes.push_back(page.size());
    return sizes;
}

struct Paging {
    const char* Name;
    std::string Text;
    int Lines_per_page;
    std::vector<std::size_t> Expected;
};

void PrintTo(const Paging& row, std::ostream* out)
{
    *out << row.Name;
}

class Document_paging : public ::testing::TestWithParam<Paging> {};

TEST_P(Document_paging, ReportsStayWholeWhereTheyFit)
{
    const auto pages = Document_pages(GetParam().Text, Report_columns, GetParam().Lines_per_page);
    EXPECT_EQ(Page_sizes(pages), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, Document_paging,
    ::testing::Values(
        Paging{"EmptyTextIsOneEmptyPage", "", 10, {0}},
        Paging{"TwoReportsThatFitShareAPage", Report("first", 4) + Report(Separator, 5), 10, {9}},
        Paging{"ExactlyFullPage", Report("first", 4) + Report(Separator, 6), 10, {10}},
        Paging{"AReportThatFitsAPageMovesToTheNext", Report("first", 6) + Report(Separator, 5), 10, {6, 5}},
        Paging{"ThreeReportsEachOnItsPage",
               Report("first", 6) + Report(Separator, 7) + Report(Separator, 7), 10, {6, 7, 7}},
        Paging{"ALongReportStartsAPageAndRunsOn", Report("first", 3) + Report(Separator, 25), 10, {3, 10, 10, 5}},
        Paging{"ALongFirstReportRunsOn", Report("first", 12), 10, {10, 2}},
        Paging{"UnderscoresOfAnotherLengthStartNoReport",
               Report("first", 6) + Report(std::string(50, '_'), 5), 10, {10, 1}},
        Paging{"FormFeedStartsAPage", "a\r\nb\fc\r\n", 10, {2, 1}},
        Paging{"FormFeedAtEndOrOnAnEmptyPageMakesNoBlankPage", "\fa\r\n\f", 10, {1}},
        Paging{"LfLineEndsAndNoFinalLineEnd", "a\nb\n\nc", 10, {4}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct Breaking {
    const char* Name;
    std::string Line;
    std::vector<std::string> Expected;
};

void PrintTo(const Breaking& row, std::ostream* out)
{
    *out << row.Name;
}

class Line_breaking : public ::testing::TestWithParam<Breaking> {};

TEST_P(Line_breaking, LongLinesBreakAfterTheirLastBlank)
{
    const auto pages = Document_pages(GetParam().Line + "\r\n", 10, 50);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Line_breaking,
    ::testing::Values(
        Breaking{"FitsExactly", "0123456789", {"0123456789"}},
        Breaking{"AfterTheLastBlank", "abcd efgh ijkl", {"abcd efgh ", "ijkl"}},
        Breaking{"AWordLongerThanTheLineBreaksAtTheColumns", "0123456789abcdef", {"0123456789", "abcdef"}},
        Breaking{"ALeadingBlankIsNoPlaceToBreak", " 0123456789abc", {" 012345678", "9abc"}},
        Breaking{"TabsMoveToStopsEveryEightColumns", "a\tb\tc", {"a       b ", "      c"}},
        Breaking{"AMultiByteCharacterIsOneColumn", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 xxxx",
                 {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 xxxx"}},
        Breaking{"EmptyLineStays", "", {""}},
        Breaking{"TrailingBlanksBeyondTheColumnsMakeNoBreak", "abcd efghi   ", {"abcd efghi"}},
        Breaking{"TrailingBlanksOfABrokenLineStayWithinIt", "abcd efgh ijkl        ", {"abcd efgh ", "ijkl      "}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Document_pages, RefusesAPageWithoutRoom)
{
    EXPECT_THROW(Document_pages("a", 0, 10), std::invalid_argument);
    EXPECT_THROW(Document_pages("a", 10, 0), std::invalid_argument);
}

}  // namespace
