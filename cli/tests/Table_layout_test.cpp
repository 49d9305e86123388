// The header row: columns found by name whatever their order, case and
// surrounding blanks; the others passed through; unusable headers refused
// with a message that says what is wrong.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Table_layout.h"

namespace {

Csv_record Header(const std::string& line, Csv_limits limits = {})
{
    std::istringstream in(line);
    Csv_reader reader(in, ',', limits);
    Csv_record record;
    reader.Next_record(record);
    return record;
}

struct Layout_row {
    const char* Name;
    std::string Line;
    std::array<std::size_t, 4> Input_at;
    std::optional<std::size_t> Limits_at;
    std::vector<std::string> Echoed;
    friend void PrintTo(const Layout_row& row, std::ostream* out) { *out << row.Name; }
};

class Layout_test : public testing::TestWithParam<Layout_row> {};

TEST_P(Layout_test, FindsTheColumnsByName)
{
    const Table_layout layout = Layout_of_header(Header(GetParam().Line));
    EXPECT_EQ(layout.Input_at, GetParam().Input_at);
    EXPECT_EQ(layout.Limits_at, GetParam().Limits_at);
    EXPECT_EQ(layout.Echoed_names, GetParam().Echoed);
    EXPECT_EQ(layout.Column_count, GetParam().Echoed.size() - (GetParam().Limits_at ? 0 : 1));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, Layout_test,
    testing::Values(
        Layout_row{"InOrder", "sd,n,case_a,case_b,limits", {0, 1, 2, 3}, 4,
                   {"sd", "n", "case_a", "case_b", "limits"}},
        Layout_row{"WithoutLimits", "sd,n,case_a,case_b", {0, 1, 2, 3}, std::nullopt,
                   {"sd", "n", "case_a", "case_b", "limits"}},
        Layout_row{"ReorderedAndRenamedCase", "CASE_B,Case_A,N,SD", {3, 2, 1, 0}, std::nullopt,
                   {"case_b", "case_a", "n", "sd", "limits"}},
        Layout_row{"BlanksAroundNames", " sd ,\tn, case_a,case_b\t, Limits ", {0, 1, 2, 3}, 4,
                   {"sd", "n", "case_a", "case_b", "limits"}},
        Layout_row{"OtherColumnsPassedThroughInPlace", "Patient ID,sd,task,n,case_a,case_b,Note ",
                   {1, 3, 4, 5}, std::nullopt,
                   {"Patient ID", "sd", "task", "n", "case_a", "case_b", "Note ", "limits"}},
        Layout_row{"AnEmptyName", ",sd,n,case_a,case_b", {1, 2, 3, 4}, std::nullopt,
                   {"", "sd", "n", "case_a", "case_b", "limits"}},
        // As spreadsheets write them: empty columns after the data, two notes.
        Layout_row{"UnreadNamesMayRepeatOrBeEmpty", "id,sd,n,case_a,case_b,Note,note,ID,,", {1, 2, 3, 4},
                   std::nullopt, {"id", "sd", "n", "case_a", "case_b", "Note", "note", "ID", "", "", "limits"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Layout, UnusableHeadersAreRefusedSayingWhy)
{
    const struct {
        std::string Line;
        std::string Message;
    } rows[] = {
        {"", "the first row must name the columns sd, n, case_a, case_b; it lacks sd, n, case_a, case_b"},
        {"CASE_B,x,N", "the first row must name the columns sd, n, case_a, case_b; it lacks sd, case_a"},
        {"10,20,50,30", "the first row must name the columns sd, n, case_a, case_b; it lacks sd, n, case_a, case_b"},
        {"sd,n,case_a,case_b,SD ", "the first row names the column 'sd' twice"},
        {"limits,sd,n,case_a,case_b, Limits", "the first row names the column 'limits' twice"},
        {"sd,n,case_a,case_b,case_a", "the first row names the column 'case_a' twice"},
        {"sd,n,case_a,case_b,P_one_tailed", "the first row names the column 'p_one_tailed', which the output gives to a result"},
        {"sd,n,case_a,case_b,error", "the first row names the column 'error', which the output gives to a result"},
        {"sd,n,\"case_a\"x,case_b", "line 1: text after the closing quote of a field"},
    };
    for (const auto& row : rows) {
        try {
            Layout_of_header(Header(row.Line));
            ADD_FAILURE() << "accepted " << row.Line;
        } catch (const ETable_error& error) {
            EXPECT_EQ(error.what(), row.Message) << row.Line;
        }
    }
}

TEST(Layout, MoreColumnsThanTheReaderKeepsAreRefused)
{
    Csv_limits limits;
    limits.Kept_fields = 5;
    EXPECT_NO_THROW(Layout_of_header(Header("sd,n,case_a,case_b,x", limits)));
    try {
        Layout_of_header(Header("sd,n,case_a,case_b,x,y", limits));
        ADD_FAILURE() << "accepted six columns";
    } catch (const ETable_error& error) {
        EXPECT_STREQ(error.what(), "the first row has more than 5 columns");
    }
}

TEST(Layout, NamesOfMoreThan64KiBAreRefused)
{
    const std::string within = "sd,n,case_a,case_b," + std::string(64 * 1024 - 15, 'x');
    EXPECT_NO_THROW(Layout_of_header(Header(within)));
    try {
        Layout_of_header(Header(within + "x"));
        ADD_FAILURE() << "accepted names of 64 KiB and one byte";
    } catch (const ETable_error& error) {
        EXPECT_STREQ(error.what(), "the first row holds more than 65536 bytes of column names");
    }
}

TEST(Layout, ColumnKeyIgnoresCaseAndSurroundingBlanks)
{
    EXPECT_EQ(Column_key(" \tCase_A \t"), "case_a");
    EXPECT_EQ(Column_key("Case A"), "case a");
    EXPECT_EQ(Column_key("   "), "");
    EXPECT_EQ(Column_key("\xC3\x89x"), "\xC3\x89x");
}

}  // namespace
