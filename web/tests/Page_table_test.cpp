#include "Page_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Page_table, FilesThatCannotServeAsATableAreRefusedWithAClearMessage)
{
    struct Row {
        const char* Name;
        std::string Bytes;
        std::string Message_start;
    };
    const Row rows[] = {
        {"empty", "", "t.csv: the file is empty."},
        {"not_text", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "t.csv: the file is not a text table"},
        {"no_header", "10,20,50,30\n", "t.csv, the first row must name the columns sd, n, case_a, case_b"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const Table_outcome outcome = Run_table("t.csv", row.Bytes, '.');
        EXPECT_EQ(outcome.Message.rfind(row.Message_start, 0), 0u) << outcome.Message;
        EXPECT_EQ(outcome.Csv, "");
    }
}

TEST(Page_table, OnlyTablesLargerThanFiftyMegabytesAreRefusedBySize)
{
    EXPECT_EQ(Table_size_refusal("t.csv", 50e6), "");
    EXPECT_EQ(Table_size_refusal("t.csv", 50e6 + 1).rfind("t.csv: the file is larger than 50 MB", 0), 0u);
}

TEST(Page_table, TheSummaryCountsRowsAndRefusalsAndTheShownRowsAreTheOutputs)
{
    const Table_outcome outcome =
        Run_table("t.csv", "id,sd,n,case_a,case_b\nP1,10,20,50,30\nP2,0,20,50,30\n", '.');
    EXPECT_EQ(outcome.Message, "");
    EXPECT_EQ(outcome.Summary, "2 rows computed; 1 could not be (the error column says why).");
    EXPECT_EQ(outcome.Csv.rfind("id,sd,n,case_a,case_b,limits,raw_difference,", 0), 0u);
    EXPECT_NE(outcome.Csv.find("\nP1,10,20,50,30,two-sided,20,"), std::string::npos);
    EXPECT_EQ(outcome.Rows_json.rfind("[[\"id\",\"sd\",", 0), 0u);
    EXPECT_NE(outcome.Rows_json.find("],[\"P2\",\"0\",\"20\""), std::string::npos);
}

// The page's table reads its cells as voran-report does: a blank inside a
// number refuses the row.
TEST(Page_table, ABlankInsideANumberRefusesTheRow)
{
    const Table_outcome outcome = Run_table("t.csv", "id,sd,n,case_a,case_b\nP1,10,20,50 5,30\n", '.');
    EXPECT_EQ(outcome.Summary, "1 row computed; 1 could not be (the error column says why).");
    EXPECT_NE(outcome.Csv.find("Enter numeric data only."), std::string::npos);
}

// The results are proposed in the table's own delimiter (and its decimal
// point), so that the user's spreadsheet opens them as it wrote the table;
// the shown rows are read back with it.
TEST(Page_table, TheOutputTakesTheInputsDelimiterUnlessAnotherIsChosen)
{
    const struct {
        const char* Name;
        std::string Bytes;
        std::string Chosen;
        std::string Delimiter;
        std::string Csv_row;
    } rows[] = {
        {"tsv", "id\tsd\tn\tcase_a\tcase_b\nP1\t10\t20\t50,5\t30\n", "", "tab",
         "\nP1\t10\t20\t50,5\t30\ttwo-sided\t20.5\t14.1421356237\t"},
        {"semicolons", "id;sd;n;case_a;case_b\nP1;10;20;50,5;30\n", "", ";",
         "\nP1;10;20;50,5;30;two-sided;20,5;14,1421356237;"},
        {"semicolons_as_commas", "id;sd;n;case_a;case_b\nP1;10;20;50,5;30\n", ",", ",",
         "\nP1,10,20,\"50,5\",30,two-sided,20.5,14.1421356237,"},
        {"commas", "id,sd,n,case_a,case_b\nP1,10,20,50,30\n", "", ",", "\nP1,10,20,50,30,two-sided,20,"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Table_outcome outcome = Run_table("t.csv", row.Bytes, '.', row.Chosen);
        EXPECT_EQ(outcome.Message, "");
        EXPECT_EQ(outcome.Delimiter, row.Delimiter);
        EXPECT_NE(outcome.Csv.find(row.Csv_row), std::string::npos) << outcome.Csv;
        EXPECT_EQ(outcome.Rows_json.rfind("[[\"id\",\"sd\",", 0), 0u) << outcome.Rows_json;
        EXPECT_EQ(outcome.Summary, "1 row computed.");
    }
    const Output_delimiter_choices choices = The_output_delimiter_choices();
    ASSERT_EQ(choices.Items.size(), 3u);
    EXPECT_EQ(choices.Items[1].Word, ";");
    EXPECT_EQ(choices.Items[1].Caption, "semicolons, numbers with decimal commas");
}

TEST(Page_table, ALongTableShowsItsFirstRowsAndSaysSo)
{
    std::string table = "sd,n,case_a,case_b\n";
    for (std::size_t row = 0; row < Shown_table_rows + 1; ++row)
        table += "10,20,50,30\n";
    const Table_outcome outcome = Run_table("t.csv", table, '.');
    EXPECT_EQ(outcome.Summary, "1,001 rows computed. The first 1,000 rows are shown; "
                               "\"Download results\" saves all of them.");
}

}  // namespace
