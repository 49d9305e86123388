#include "Page_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "Batch.h"

namespace {

// A run whose chunks are kept in order, each ending with a row's line end.
struct Collected {
    Table_outcome Outcome;
    std::vector<std::string> Chunks;
    std::string Csv;
};

Collected Run_collected(const std::string& bytes, const std::string& output_delimiter = "",
                        std::size_t chunk_bytes = Table_output{}.Chunk_bytes, std::size_t kept_chunks = SIZE_MAX)
{
    Collected run;
    Table_output output;
    output.Chunk_bytes = chunk_bytes;
    output.Keep_chunk = [&](std::string_view chunk) {
        if (run.Chunks.size() == kept_chunks)
            return false;
        run.Chunks.emplace_back(chunk);
        run.Csv += chunk;
        return true;
    };
    run.Outcome = Run_table("t.csv", bytes, '.', output_delimiter, output);
    return run;
}

std::string Repeated_rows(const std::string& header, const std::string& row, std::size_t count)
{
    std::string table = header;
    for (std::size_t i = 0; i < count; ++i)
        table += row;
    return table;
}

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
        const Collected run = Run_collected(row.Bytes);
        EXPECT_EQ(run.Outcome.Message.rfind(row.Message_start, 0), 0u) << run.Outcome.Message;
        EXPECT_EQ(run.Csv, "");
    }
}

// The limit is said in MiB, as file choosers show a file's size.
TEST(Page_table, OnlyTablesLargerThanFiftyMebibytesAreRefusedBySize)
{
    EXPECT_EQ(Table_size_refusal("t.csv", 50.0 * 1024 * 1024), "");
    EXPECT_EQ(Table_size_refusal("t.csv", 50.0 * 1024 * 1024 + 1).rfind("t.csv: the file is larger than 50 MiB", 0), 0u);
}

TEST(Page_table, TheSummaryCountsRowsAndRefusalsAndTheShownRowsAreTheOutputs)
{
    const Collected run = Run_collected("id,sd,n,case_a,case_b\nP1,10,20,50,30\nP2,0,20,50,30\n");
    const Table_outcome& outcome = run.Outcome;
    EXPECT_EQ(outcome.Message, "");
    EXPECT_EQ(outcome.Summary, "2 rows computed; 1 could not be (the error column says why).");
    EXPECT_EQ(run.Csv.rfind("id,sd,n,case_a,case_b,limits,raw_difference,", 0), 0u);
    EXPECT_NE(run.Csv.find("\nP1,10,20,50,30,two-sided,20,"), std::string::npos);
    EXPECT_EQ(outcome.Rows_json.rfind("[[\"id\",\"sd\",", 0), 0u);
    EXPECT_NE(outcome.Rows_json.find("],[\"P2\",\"0\",\"20\""), std::string::npos);
}

// The page's table reads its cells as voran-report does: a blank inside a
// number refuses the row.
TEST(Page_table, ABlankInsideANumberRefusesTheRow)
{
    const Collected run = Run_collected("id,sd,n,case_a,case_b\nP1,10,20,50 5,30\n");
    EXPECT_EQ(run.Outcome.Summary, "1 row computed; 1 could not be (the error column says why).");
    EXPECT_NE(run.Csv.find("Enter numeric data only."), std::string::npos);
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
        const Collected run = Run_collected(row.Bytes, row.Chosen);
        const Table_outcome& outcome = run.Outcome;
        EXPECT_EQ(outcome.Message, "");
        EXPECT_EQ(outcome.Delimiter, row.Delimiter);
        EXPECT_NE(run.Csv.find(row.Csv_row), std::string::npos) << run.Csv;
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
    const Collected run = Run_collected(Repeated_rows("sd,n,case_a,case_b\n", "10,20,50,30\n", Shown_table_rows + 1));
    EXPECT_EQ(run.Outcome.Summary, "1,001 rows computed. The first 1,000 rows are shown; "
                               "\"Download results\" saves all of them.");
}

// The output comes in chunks that end with rows, and together they are
// exactly what the table code writes for the table; none holds it all.
TEST(Page_table, TheChunksTogetherAreTheWholeOutput)
{
    const std::string table = Repeated_rows("id,sd,n,case_a,case_b\n", "P,10,20,50,30\nQ,0,20,50,30\n", 1500);
    std::istringstream in(table);
    std::ostringstream whole;
    Run_batch(in, whole, {});
    const Collected run = Run_collected(table, ",", 4096);
    EXPECT_EQ(run.Csv, whole.str());
    EXPECT_GT(run.Chunks.size(), 100u);
    for (const std::string& chunk : run.Chunks)
        EXPECT_EQ(chunk.back(), '\n');
    EXPECT_EQ(run.Outcome.Summary, "3,000 rows computed; 1,500 could not be (the error column says why). "
                                   "The first 1,000 rows are shown; \"Download results\" saves all of them.");
}

// When a chunk cannot be kept, the run stops and says how many rows the
// kept chunks hold.
TEST(Page_table, AChunkThatCannotBeKeptStopsTheRunAndSaysWhatWasKept)
{
    const Collected run = Run_collected(Repeated_rows("sd,n,case_a,case_b\n", "10,20,50,30\n", 3000), ",", 4096, 3);
    ASSERT_EQ(run.Chunks.size(), 3u);
    std::size_t lines = 0;
    for (const char c : run.Csv)
        lines += c == '\n';
    EXPECT_TRUE(run.Outcome.Stopped);
    EXPECT_EQ(run.Outcome.Summary.rfind(std::to_string(lines - 1) + " rows computed. "
                                        "The results stop there: the browser could keep no more of them.", 0),
              0u)
        << run.Outcome.Summary;
}

// Progress is told every so many rows, with the share of the table read.
TEST(Page_table, ProgressTellsTheRowsDoneAndTheShareRead)
{
    std::vector<std::string> told;
    Table_output output;
    output.Keep_chunk = [](std::string_view) { return true; };
    output.Progress = [&](const std::string& text) { told.push_back(text); };
    Run_table("t.csv", Repeated_rows("sd,n,case_a,case_b\n", "10,20,50,30\n", 2 * Progress_rows + 1), '.', "", output);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].rfind("Computing: 1,024 rows done, ", 0), 0u) << told[0];
    EXPECT_EQ(told[1].rfind("Computing: 2,048 rows done, ", 0), 0u) << told[1];
    EXPECT_NE(told[1].find("% of the table read."), std::string::npos);
}

}  // namespace
