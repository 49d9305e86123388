// A table run in the process: columns by name, other columns passed through,
// delimiters, decimal commas, broken rows that do not end the run, the
// credible level, and the CSV and JSON Lines outputs giving the same numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "Batch.h"
#include "Comparison_request_step.h"
#include "Csv_reader.h"
#include "Read_double.h"
#include "Request_refusal.h"
#include "Table_number.h"

namespace {

struct Table_run {
    Exit_status Status = Exit_status::Done;
    Row_counts Counts;
    std::string Out;
};

Table_run Run_table(const std::string& input, Batch_options options = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    Table_run run;
    const Batch_outcome outcome = Run_batch(in, out, options);
    run.Status = outcome.Status;
    run.Counts = outcome.Counts;
    run.Out = out.str();
    return run;
}

using Records = std::vector<std::vector<std::string>>;

Records Csv_records(const std::string& text)
{
    std::istringstream in(text);
    Csv_reader reader(in);
    Records records;
    Csv_record record;
    while (reader.Next_record(record)) {
        EXPECT_EQ(record.Problem(), "");
        std::vector<std::string> fields;
        for (std::size_t i = 0; i < record.Kept_count(); ++i)
            fields.emplace_back(record.Field(i));
        records.push_back(std::move(fields));
    }
    return records;
}

// The result columns of the worked example (SD 10, N 20, A 50, B 30,
// two-sided), from the comparison itself.
std::vector<std::string> Worked_example_numbers(Extended level = 95)
{
    Comparison_request request;
    request.SD = 10;
    request.N = 20;
    request.Case_A = 50;
    request.Case_B = 30;
    request.Level = level;
    const Comparison_result result = Compare_two_cases(request);
    std::vector<std::string> numbers;
    for (const Result_column& column : Result_columns)
        numbers.emplace_back(Table_number(result.*column.Value).View());
    return numbers;
}

std::vector<std::string> Tail(const std::vector<std::string>& record, std::size_t from, std::size_t count)
{
    return {record.begin() + static_cast<std::ptrdiff_t>(from),
            record.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

TEST(Batch, ColumnsAreFoundByNameAndOthersPassedThroughInPlace)
{
    const Table_run run = Run_table("Case_B, ID ,N,task,SD,CASE_A\n30,P1,20,\"memory, verbal\",10,50\n");
    EXPECT_EQ(run.Status, Exit_status::Done);
    const Records records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 2u);
    std::vector<std::string> header = {"case_b", " ID ", "n", "task", "sd", "case_a", "limits"};
    for (const Result_column& column : Result_columns)
        header.emplace_back(column.Name);
    header.emplace_back("error");
    EXPECT_EQ(records[0], header);
    EXPECT_EQ(Tail(records[1], 0, 7),
              (std::vector<std::string>{"30", "P1", "20", "memory, verbal", "10", "50", "two-sided"}));
    EXPECT_EQ(Tail(records[1], 7, Result_columns.size()), Worked_example_numbers());
    EXPECT_EQ(records[1].back(), "");
}

TEST(Batch, TheLimitsColumnStaysInItsPlace)
{
    const Records records =
        Csv_records(Run_table("limits,sd,n,case_a,case_b\nlower,10,20,50,30\n,10,20,50,30\n").Out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0][0], "limits");
    EXPECT_EQ(records[0][5], "raw_difference");
    EXPECT_EQ(records[1][0], "lower");
    EXPECT_EQ(records[2][0], "two-sided");  // empty means the default, and says so
}

struct Delimiter_row {
    const char* Name;
    std::string Input;
    std::optional<char> Delimiter;
    friend void PrintTo(const Delimiter_row& row, std::ostream* out) { *out << row.Name; }
};

class Delimiter_test : public testing::TestWithParam<Delimiter_row> {};

// Every form reads the worked example with Case A = 50.5.
TEST_P(Delimiter_test, ReadsTheRowWithADecimalComma)
{
    Batch_options options;
    options.Delimiter = GetParam().Delimiter;
    const Table_run run = Run_table(GetParam().Input, options);
    EXPECT_EQ(run.Status, Exit_status::Done) << run.Out;
    const Records records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1][2], "50,5");  // echoed as given
    EXPECT_EQ(records[1][5], "20.5");
    EXPECT_EQ(records[1].back(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Delimiter_test,
    testing::Values(
        Delimiter_row{"QuotedCommaInACommaTable", "sd,n,case_a,case_b\n10,20,\"50,5\",30\n", std::nullopt},
        Delimiter_row{"SemicolonHeaderFound", "sd;n;case_a;case_b\r\n10;20;50,5;30\r\n", std::nullopt},
        Delimiter_row{"SemicolonHeaderAfterAMark", "\xEF\xBB\xBFsd;n;case_a;case_b\n10;20;50,5;30\n",
                      std::nullopt},
        Delimiter_row{"SemicolonGiven", "sd;n;case_a;case_b\n10;20;50,5;30\n", ';'},
        Delimiter_row{"TabGiven", "sd\tn\tcase_a\tcase_b\n10\t20\t50,5\t30\n", '\t'},
        Delimiter_row{"TabHeaderFound", "sd\tn\tcase_a\tcase_b\n10\t20\t50,5\t30\n", std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Batch, DelimiterOfTheFirstLine)
{
    EXPECT_EQ(Delimiter_of_first_line("sd;n;case_a;case_b\n"), ';');
    EXPECT_EQ(Delimiter_of_first_line("sd,n,case_a,case_b\n"), ',');
    EXPECT_EQ(Delimiter_of_first_line("sd;n,case_a;case_b\n"), ',');
    EXPECT_EQ(Delimiter_of_first_line("sd\n"), ',');
    EXPECT_EQ(Delimiter_of_first_line(""), ',');
    EXPECT_EQ(Delimiter_of_first_line("sd\tn\tcase_a\tcase_b\r\n"), '\t');
    EXPECT_EQ(Delimiter_of_first_line("sd\tn;case_a\tcase_b\n"), ';');
    EXPECT_EQ(Delimiter_of_first_line("sd\tn,case_a\tcase_b\n"), ',');
    // Only the first line counts.
    EXPECT_EQ(Delimiter_of_first_line("sd\n\t;\n"), ',');
}

// What spreadsheets add to a table: delimiters at the end of every line for
// empty columns, lines of delimiters only under the data, two columns of
// the same name, limits in any case and with blanks around.
TEST(Batch, WhatSpreadsheetsAddIsNotAnError)
{
    const std::string input =
        "id;sd;n;case_a;case_b;limits;note;note;;\r\n"
        "P1;10;20;50;30; Lower ;a;b;;\r\n"
        ";;;;;;;;;\r\n"
        "P2;10;20;30;50;UPPER;;;;\r\n"
        "P3;10;20;50;30;TWO-SIDED;;;;\r\n"
        ";;;;;;;;;\r\n;;;;;;;;;\r\n;;;\r\n";
    const Table_run run = Run_table(input);
    EXPECT_EQ(run.Status, Exit_status::Done) << run.Out;
    const Records records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 4u) << run.Out;
    EXPECT_EQ(Tail(records[0], 0, 10),
              (std::vector<std::string>{"id", "sd", "n", "case_a", "case_b", "limits", "note", "note", "", ""}));
    const char* applied[] = {"lower", "upper", "two-sided"};
    for (std::size_t row = 1; row < records.size(); ++row) {
        EXPECT_EQ(records[row][5], applied[row - 1]) << row;
        EXPECT_EQ(records[row].back(), "") << row;
    }
    EXPECT_EQ(Tail(records[1], 6, 2), (std::vector<std::string>{"a", "b"}));
}

// JSON readers keep one value of a repeated key: each key is given once.
TEST(Batch, JsonLinesKeysOfRepeatedNamesAreMadeUnique)
{
    Batch_options options;
    options.Format = Output_format::Jsonl;
    const Table_run run = Run_table("note,sd,n,case_a,case_b,note,note_2,,\na,10,20,50,30,b,c,d,e\n", options);
    EXPECT_EQ(run.Out.rfind("{\"note\":\"a\",\"sd\":\"10\",\"n\":\"20\",\"case_a\":\"50\",\"case_b\":\"30\","
                            "\"note_2\":\"b\",\"note_2_2\":\"c\",\"\":\"d\",\"_2\":\"e\",\"limits\":\"two-sided\",",
                            0),
              0u)
        << run.Out;
}

TEST(Batch, UnknownLimitsAreRefusedNamingThem)
{
    const Records records = Csv_records(Run_table("sd,n,case_a,case_b,limits\n10,20,50,30, Both \n").Out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1][4], " Both ");
    EXPECT_EQ(records[1].back(), "limits must be one of two-sided|lower|upper, not ' Both '");
}

// Output for a spreadsheet: its delimiter, the numbers' decimal point that
// goes with it, and passed-through texts that would be formulas kept texts.
TEST(Batch, OutputForASpreadsheet)
{
    const std::string input = "id,sd,n,case_a,case_b,=note\n=1+1,10,20,50,30,-4\n@SUM(A1),10,20,50,30,-A1\n"
                              "\"+1;2\",10,20,50,30,-.5\n";
    const struct {
        Output_delimiter Delimiter;
        std::string Header;
        std::vector<std::string> Rows;  // each row's start: the echoed fields and the first number
    } outputs[] = {
        {Output_delimiter::Comma, "id,sd,n,case_a,case_b,=note,limits,raw_difference,sd_difference,",
         {"=1+1,10,20,50,30,-4,two-sided,20,14.1421356237,", "@SUM(A1),10,20,50,30,-A1,two-sided,20,",
          "+1;2,10,20,50,30,-.5,two-sided,20,"}},
        {Output_delimiter::Semicolon, "id;sd;n;case_a;case_b;'=note;limits;raw_difference;sd_difference;",
         {"'=1+1;10;20;50;30;-4;two-sided;20;14,1421356237;", "'@SUM(A1);10;20;50;30;'-A1;two-sided;20;",
          "\"'+1;2\";10;20;50;30;-.5;two-sided;20;"}},
        {Output_delimiter::Tab, "id\tsd\tn\tcase_a\tcase_b\t'=note\tlimits\traw_difference\tsd_difference\t",
         {"'=1+1\t10\t20\t50\t30\t-4\ttwo-sided\t20\t14.1421356237\t",
          "'@SUM(A1)\t10\t20\t50\t30\t'-A1\ttwo-sided\t20\t", "'+1;2\t10\t20\t50\t30\t-.5\ttwo-sided\t20\t"}},
    };
    for (const auto& output : outputs) {
        Batch_options options;
        options.Output_delimiter_kind = output.Delimiter;
        std::istringstream lines(Run_table(input, options).Out);
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line.rfind(output.Header, 0), 0u) << line;
        for (const std::string& row : output.Rows) {
            std::getline(lines, line);
            EXPECT_EQ(line.rfind(row, 0), 0u) << line;
        }
    }
}

TEST(Batch, BrokenAndRefusedRowsAreErrorRowsAndTheRunGoesOn)
{
    const std::string input =
        "id,sd,n,case_a,case_b\n"
        "r1,10,20,\"50\"x,30\n"
        "r2,10,20,50\n"
        "r3,10,20,50,30,extra\n"
        "r4,0,20,50,30\n"
        "r5,10,20,\"5\n0\",30\n"
        "\n"
        "r6,10,20,50,30\n"
        "r7,10,20,\"50,30\n"
        "r8,10,20,50,30\n";
    const Table_run run = Run_table(input);
    EXPECT_EQ(run.Status, Exit_status::Some_rows_refused);
    const Records records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 9u);
    const std::size_t error = records[0].size() - 1;
    const std::vector<std::string> no_numbers(Result_columns.size(), "");
    const auto expect_error_row = [&](std::size_t i, const std::string& id, const std::string& message) {
        EXPECT_EQ(records[i][0], id);
        EXPECT_EQ(Tail(records[i], 6, Result_columns.size()), no_numbers) << id;
        EXPECT_EQ(records[i][error], message) << id;
    };
    expect_error_row(1, "r1", "line 2: text after the closing quote of a field");
    expect_error_row(2, "r2", "expected 5 fields, one per column of the first row, found 4");
    expect_error_row(3, "r3", "expected 5 fields, one per column of the first row, found 6");
    // The request step's refusals, on one line.
    expect_error_row(4, "r4", Refusal_on_one_line(Request_refusal({"0", "20", "50", "30"})));
    // The message quotes the text with its line break as a blank; the echo
    // keeps the text.
    expect_error_row(5, "r5", Refusal_on_one_line(Request_refusal({"10", "20", "5\n0", "30"})));
    EXPECT_EQ(records[5][3], "5\n0");
    EXPECT_EQ(Tail(records[6], 6, Result_columns.size()), Worked_example_numbers());
    expect_error_row(7, "r7", "line 10: a quoted field is not closed");
    EXPECT_EQ(records[7][3], "50,30");
    EXPECT_EQ(Tail(records[8], 6, Result_columns.size()), Worked_example_numbers());
}

// A blank between two characters of a number (a typo, a thousands separator)
// is the row's refusal, not another number; blanks around a number are not.
TEST(Batch, ABlankInsideANumberIsTheRowsRefusal)
{
    const Table_run run = Run_table("id,sd,n,case_a,case_b\nr1,10,20,50 5,30\nr2,1 0,20,50,30\nr3, 10 ,20 , 50,30 \n");
    EXPECT_EQ(run.Status, Exit_status::Some_rows_refused);
    const Records records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].back(),
              Refusal_on_one_line(Request_refusal({"10", "20", "50 5", "30"}, '.', Inner_blanks::Refused)));
    EXPECT_EQ(records[2].back(),
              Refusal_on_one_line(Request_refusal({"1 0", "20", "50", "30"}, '.', Inner_blanks::Refused)));
    EXPECT_EQ(Tail(records[3], 6, Result_columns.size()), Worked_example_numbers());
}

TEST(Batch, ErrorsCarryNoControlCharacters)
{
    using namespace std::string_literals;
    const std::string input = "sd,n,case_a,case_b\n10,20,\"a\rb\0c\x01\",30\n"s;
    const Records records = Csv_records(Run_table(input).Out);
    ASSERT_EQ(records.size(), 2u);
    const std::string refusal = Refusal_on_one_line(Request_refusal({"10", "20", "a\rb\0c\x01"s, "30"}));
    EXPECT_EQ(records[1].back(), refusal);

    // A C1 control as UTF-8 writes it (U+009B opens an escape sequence).
    const Records c1 = Csv_records(Run_table("sd,n,case_a,case_b\n10,20,a\xc2\x9b" "2J,30\n").Out);
    ASSERT_EQ(c1.size(), 2u);
    EXPECT_NE(c1[1].back().find("  a 2J  )"), std::string::npos) << c1[1].back();
}

TEST(Batch, HeaderProblemsRaiseAndWriteNothing)
{
    for (const std::string input : {"", "\n\n", "10,20,50,30\n", "sd,n,case_a\n1,2,3\n", "sd,sd,n,case_a,case_b\n"}) {
        std::istringstream in(input);
        std::ostringstream out;
        EXPECT_THROW(Run_batch(in, out, {}), ETable_error) << input;
        EXPECT_EQ(out.str(), "") << input;
    }
}

TEST(Batch, LevelReachesEveryRow)
{
    Batch_options options;
    options.Level = 90;
    const Records records = Csv_records(Run_table("sd,n,case_a,case_b\n10,20,50,30\n", options).Out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(Tail(records[1], 5, Result_columns.size()), Worked_example_numbers(90));
    EXPECT_NE(Worked_example_numbers(90), Worked_example_numbers(95));
}

TEST(Batch, AFailingWriteStopsTheRun)
{
    std::istringstream in("sd,n,case_a,case_b\n10,20,50,30\n10,20,50,30\n");
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(Run_batch(in, out, {}).Status, Exit_status::Output_failed);
    // Nothing after the header was read.
    EXPECT_NE(in.tellg(), std::streampos(-1));
    EXPECT_LT(in.tellg(), std::streampos(25));
}

// A stream buffer that takes a given number of bytes and fails after them,
// as a disk that fills up.
class Filling_buffer : public std::stringbuf {
public:
    explicit Filling_buffer(std::size_t room) : Room(room) {}

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        if (static_cast<std::size_t>(count) > Room)
            return 0;
        Room -= static_cast<std::size_t>(count);
        return std::stringbuf::xsputn(text, count);
    }
    int_type overflow(int_type c) override { return Room == 0 ? traits_type::eof() : std::stringbuf::overflow(c); }

private:
    std::size_t Room;
};

// A stream that hands out its text and then, where a pipe would wait for
// more, finds a stop requested meanwhile (as by SIGINT) and ends, as the
// command line's input does.
class Stopped_after : public std::streambuf {
public:
    Stopped_after(std::string text, Stop_request& stop) : Text(std::move(text)), Stop(stop) {}

protected:
    int_type underflow() override
    {
        if (eback() == nullptr && !Text.empty()) {
            setg(Text.data(), Text.data(), Text.data() + Text.size());
            return traits_type::to_int_type(*gptr());
        }
        Stop.Request(Exit_status::Interrupted);
        return traits_type::eof();
    }

private:
    std::string Text;
    Stop_request& Stop;
};

// A record that had not reached its line end when the stop came is no row,
// neither computed nor refused; nor is a header, which then gives the
// stop's status rather than a header error.
TEST(Batch, AStopRequestEndsTheInputWhereItIs)
{
    const std::string header = "id,sd,n,case_a,case_b\n";
    const std::string first = header + "first,10,20,50,30\n";
    struct Case {
        const char* Name;
        std::string Given;
        std::string Whole;  // the lines the run reads; none: it writes nothing
    };
    const Case cases[] = {
        {"NothingYet", "", ""},
        {"HeaderCut", "id,sd,n,ca", ""},
        {"BlankLinesThenHeaderCut", "\n\r\nid,sd", ""},
        {"HeaderWhole", header, header},
        {"RowCutInANumber", first + "second,10,20,50,3", first},
        {"RowCutInAQuote", first + "\"second\n,10", first},
    };
    for (const Case& row : cases)
        for (const unsigned jobs : {1u, 2u}) {
            Stop_request stop;
            Stopped_after buffer(row.Given, stop);
            std::istream in(&buffer);
            std::ostringstream out;
            Batch_options options;
            options.Jobs = jobs;
            options.Stop = &stop;
            Exit_status status = Exit_status::Done;
            EXPECT_NO_THROW(status = Run_batch(in, out, options).Status) << row.Name;
            EXPECT_EQ(status, Exit_status::Interrupted) << row.Name << ", " << jobs << " jobs";
            EXPECT_EQ(out.str(), row.Whole.empty() ? "" : Run_table(row.Whole).Out) << row.Name << ", " << jobs << " jobs";
        }
}

// The stop's deadline ends a run only when it has made no progress: each
// row computed and written is noted, and each look sees only what came
// after the last, or after the request.
TEST(Batch, ARunNotesItsProgressWhateverTheJobs)
{
    for (const unsigned jobs : {1u, 2u}) {
        Stop_request stop;
        std::istringstream in("id,sd,n,case_a,case_b\nr1,10,20,50,30\nr2,0,20,50,30\n");
        std::ostringstream out;
        Batch_options options;
        options.Jobs = jobs;
        options.Stop = &stop;
        Run_batch(in, out, options);
        EXPECT_TRUE(stop.Progressed()) << jobs << " jobs";
        EXPECT_FALSE(stop.Progressed()) << jobs << " jobs";
        stop.Note_progress();
        stop.Request(Exit_status::Interrupted);
        EXPECT_FALSE(stop.Progressed()) << jobs << " jobs";
    }
}

// Rows of every kind: computed ones of many control samples, levels' kinds
// of limits and signs, refused inputs, unknown limits, a wrong field count, a
// broken quote, a comparison failing at extreme inputs, blank lines, and a
// row long enough to be computed apart from the others.
std::string Table_of_every_kind()
{
    std::string table = "id,sd,n,case_a,case_b,limits\n";
    std::mt19937 random(7);
    const char* limits[] = {"", "two-sided", "lower", "upper", "sideways"};
    for (int i = 0; i < 600; ++i) {
        table += "r" + std::to_string(i) + "," + std::to_string(1 + random() % 20) + ".5," +
                 std::to_string(3 + random() % (i % 2 == 0 ? 40 : 100000)) + "," + std::to_string(random() % 90) +
                 "," + std::to_string(random() % 90) + "," + limits[random() % 5] + "\n";
        if (i % 97 == 0)
            table += "bad" + std::to_string(i) + ",0,20,50,30,\n\n";
        if (i % 101 == 0)
            table += "few,10,20\n\"quoted\"text,1,2,3,4,lower\n";
        if (i % 151 == 0)
            table += "huge,1e-4900,20,1e4900,-1e4900,\n";
    }
    table += "\"" + std::string(300 * 1024, 'x') + "\",10,20,50,30,upper\n\"open,1,2,3,4,lower\nlast,10,20,30,50,lower\n";
    return table;
}

TEST(Batch, EveryByteTheSameWhateverTheJobs)
{
    const std::string table = Table_of_every_kind();
    for (const Output_format format : {Output_format::Csv, Output_format::Jsonl}) {
        Batch_options options;
        options.Format = format;
        const Table_run alone = Run_table(table, options);
        EXPECT_EQ(alone.Status, Exit_status::Some_rows_refused);
        EXPECT_GT(std::count(alone.Out.begin(), alone.Out.end(), '\n'), 600);
        // 64 jobs: the shortest batches, more slots than the table fills.
        for (const unsigned jobs : {2u, 3u, 8u, 64u}) {
            options.Jobs = jobs;
            const Table_run run = Run_table(table, options);
            EXPECT_EQ(run.Status, alone.Status) << jobs;
            EXPECT_TRUE(run.Out == alone.Out) << jobs << " jobs, format " << static_cast<int>(format);
            EXPECT_EQ(run.Counts.Rows, alone.Counts.Rows) << jobs;
            EXPECT_EQ(run.Counts.Refused, alone.Counts.Refused) << jobs;
        }
        // The counts are those of the rows written: a line each in JSON
        // Lines, the refused ones with an error.
        if (format == Output_format::Jsonl) {
            std::istringstream lines(alone.Out);
            std::size_t rows = 0;
            std::size_t refused = 0;
            for (std::string line; std::getline(lines, line); ++rows)
                refused += line.ends_with(",\"error\":null}") ? 0 : 1;
            EXPECT_EQ(alone.Counts.Rows, rows);
            EXPECT_EQ(alone.Counts.Refused, refused);
            EXPECT_GT(refused, 0U);
        }
    }
}

// The rows told as written are every row of the output, with its refusals,
// whatever the jobs.
TEST(Batch, EveryRowWrittenIsToldWhateverTheJobs)
{
    const std::string table = Table_of_every_kind();
    for (const unsigned jobs : {1u, 2u, 8u}) {
        std::size_t rows = 0;
        std::size_t refused = 0;
        Batch_options options;
        options.Jobs = jobs;
        options.Format = Output_format::Jsonl;
        options.Rows_written = [&](std::size_t written, std::size_t refusals) {
            rows += written;
            refused += refusals;
        };
        const Table_run run = Run_table(table, options);
        EXPECT_EQ(rows, static_cast<std::size_t>(std::count(run.Out.begin(), run.Out.end(), '\n'))) << jobs;
        std::size_t error_rows = 0;
        for (std::size_t at = run.Out.find("\"error\":\""); at != std::string::npos; at = run.Out.find("\"error\":\"", at + 1))
            ++error_rows;
        EXPECT_EQ(refused, error_rows) << jobs;
        EXPECT_GT(refused, 10u) << jobs;
    }
}

TEST(Batch, AWriteFailingMidwayStopsTheRunWhateverTheJobs)
{
    std::string table = "sd,n,case_a,case_b\n";
    for (int i = 0; i < 20000; ++i)
        table += std::to_string(1 + i % 20) + "," + std::to_string(10 + i % 97) + ",50,30\n";
    for (const unsigned jobs : {1u, 2u, 4u}) {
        std::istringstream in(table);
        Filling_buffer full(20000);
        std::ostream out(&full);
        Batch_options options;
        options.Jobs = jobs;
        EXPECT_EQ(Run_batch(in, out, options).Status, Exit_status::Output_failed) << jobs;
        // The output is the table's first rows, whole, and the run stopped
        // long before the end of its input.
        const std::string written = full.str();
        ASSERT_FALSE(written.empty()) << jobs;
        EXPECT_EQ(written.back(), '\n') << jobs;
        EXPECT_LT(in.tellg(), std::streampos(table.size() / 2)) << jobs;
    }
}

TEST(Batch, AOneSidedRowFillsOnlyItsOwnLimits)
{
    const std::string input = "sd,n,case_a,case_b,limits\n10,20,50,30,lower\n10,20,30,50,upper\n10,20,50,30,\n";
    // Columns after the five input columns: the eleven results, then error.
    const Records records = Csv_records(Run_table(input).Out);
    ASSERT_EQ(records.size(), 4u);
    const auto column = [](std::string_view name) {
        const auto named = [name](const Result_column& column) { return column.Name == name; };
        return 5 + static_cast<std::size_t>(std::find_if(Result_columns.begin(), Result_columns.end(), named) -
                                            Result_columns.begin());
    };
    const struct {
        std::size_t Row;
        bool Lower;
        bool Upper;
    } expected[] = {{1, true, false}, {2, false, true}, {3, true, true}};
    for (const auto& row : expected) {
        EXPECT_EQ(!records[row.Row][column("effect_lower")].empty(), row.Lower) << row.Row;
        EXPECT_EQ(!records[row.Row][column("percent_lower")].empty(), row.Lower) << row.Row;
        EXPECT_EQ(!records[row.Row][column("effect_upper")].empty(), row.Upper) << row.Row;
        EXPECT_EQ(!records[row.Row][column("percent_upper")].empty(), row.Upper) << row.Row;
        EXPECT_FALSE(records[row.Row][column("effect_size")].empty()) << row.Row;
    }
    Batch_options jsonl;
    jsonl.Format = Output_format::Jsonl;
    std::istringstream output(Run_table(input, jsonl).Out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(output, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    const struct {
        const char* Key;
        bool Lower;
        bool Upper;
    } empty_in[] = {{"\"effect_lower\":null", false, true},
                    {"\"percent_lower\":null", false, true},
                    {"\"effect_upper\":null", true, false},
                    {"\"percent_upper\":null", true, false}};
    for (const auto& key : empty_in) {
        EXPECT_EQ(lines[0].find(key.Key) != std::string::npos, key.Lower) << key.Key;
        EXPECT_EQ(lines[1].find(key.Key) != std::string::npos, key.Upper) << key.Key;
        EXPECT_EQ(lines[2].find(key.Key), std::string::npos) << key.Key;
    }
}

// ---- CSV and JSON Lines on shuffled columns -----------------------------------

// One flat JSON object of strings, numbers and nulls, as the writer makes
// it: each value's text (numbers and null as written, strings unescaped for
// the escapes the writer uses).
std::map<std::string, std::string> Json_object(const std::string& line)
{
    std::map<std::string, std::string> object;
    std::size_t at = 1;
    const auto string_at = [&line, &at] {
        EXPECT_EQ(line[at], '"');
        std::string text;
        for (++at; line[at] != '"'; ++at) {
            if (line[at] == '\\') {
                const char escaped = line[++at];
                text += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped == 't' ? '\t' : escaped;
            } else {
                text += line[at];
            }
        }
        ++at;
        return text;
    };
    EXPECT_EQ(line.front(), '{');
    while (line[at] != '}') {
        const std::string key = string_at();
        EXPECT_EQ(line[at++], ':');
        if (line[at] == '"') {
            object[key] = string_at();
        } else {
            const std::size_t end = line.find_first_of(",}", at);
            object[key] = line.substr(at, end - at);
            at = end;
        }
        if (line[at] == ',')
            ++at;
    }
    return object;
}

// The double a number's text reads as; beyond a double's range (a tail
// probability below 1e-308, kept in both outputs with the table's digits) the
// extended value.
Extended Number(const std::string& text)
{
    double value = 0;
    const auto [end, error] = Read_double(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(end, text.data() + text.size()) << text;
    if (error == std::errc::result_out_of_range)
        return std::strtold(text.c_str(), nullptr);
    EXPECT_TRUE(error == std::errc()) << text;
    return value;
}

// The results per ID: each result column's double, NaN for an empty one, and
// whether the row was refused.
using Numbers_by_id = std::map<std::string, std::vector<Extended>>;

Numbers_by_id Csv_numbers(const std::string& out, const std::string& id_column)
{
    const Records records = Csv_records(out);
    const auto& header = records.at(0);
    const auto column_of = [&header](std::string_view name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    Numbers_by_id numbers;
    for (std::size_t i = 1; i < records.size(); ++i) {
        std::vector<Extended>& row = numbers[records[i].at(column_of(id_column))];
        for (const Result_column& column : Result_columns) {
            const std::string& text = records[i].at(column_of(column.Name));
            row.push_back(text.empty() ? std::nanl("") : Number(text));
        }
        row.push_back(records[i].at(column_of("error")).empty() ? 0 : 1);
    }
    return numbers;
}

Numbers_by_id Jsonl_numbers(const std::string& out, const std::string& id_column)
{
    Numbers_by_id numbers;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        auto object = Json_object(line);
        std::vector<Extended>& row = numbers[object.at(id_column)];
        for (const Result_column& column : Result_columns) {
            const std::string& text = object.at(std::string(column.Name));
            row.push_back(text == "null" ? std::nanl("") : Number(text));
        }
        row.push_back(object.at("error") == "null" ? 0 : 1);
    }
    return numbers;
}

// Same numbers, NaN standing for an empty result.
void Expect_same(const Numbers_by_id& a, const Numbers_by_id& b, const char* what)
{
    ASSERT_EQ(a.size(), b.size()) << what;
    for (const auto& [id, row] : a) {
        const auto other = b.find(id);
        ASSERT_NE(other, b.end()) << what << " lacks " << id;
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (std::isnan(row[i]))
                EXPECT_TRUE(std::isnan(other->second[i])) << what << " " << id << " column " << i;
            else
                EXPECT_EQ(row[i], other->second[i]) << what << " " << id << " column " << i;
        }
    }
}

TEST(Batch_property, ShuffledColumnsAndBothFormatsGiveTheSameNumbersPerId)
{
    std::mt19937 random(20261208);
    const std::vector<std::string> names = {"sd", "n", "case_a", "case_b", "limits"};
    const std::vector<std::string> limits = {"two-sided", "lower", "upper", ""};
    std::uniform_int_distribution<int> n(3, 1200);
    std::uniform_real_distribution<double> sd(0.01, 40);
    std::uniform_real_distribution<double> score(-100, 100);

    for (int table = 0; table < 8; ++table) {
        // A random table in the order of names, a few rows refused.
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < 60; ++i) {
            char sd_text[32], a_text[32], b_text[32];
            std::snprintf(sd_text, sizeof sd_text, "%.3f", i % 17 == 5 ? -1.0 : sd(random));
            std::snprintf(a_text, sizeof a_text, "%.2f", score(random));
            std::snprintf(b_text, sizeof b_text, "%.2f", score(random));
            rows.push_back({sd_text, std::to_string(i % 23 == 7 ? 2 : n(random)), a_text, b_text,
                            limits[random() % limits.size()]});
        }
        const auto table_text = [&rows](const std::vector<std::string>& header,
                                        const std::vector<std::size_t>& source_of_column) {
            std::string text;
            for (std::size_t c = 0; c < header.size(); ++c)
                text += (c ? "," : "") + header[c];
            text += "\n";
            for (std::size_t r = 0; r < rows.size(); ++r) {
                for (std::size_t c = 0; c < header.size(); ++c) {
                    const std::size_t source = source_of_column[c];
                    text += (c ? "," : "") + (source == 5 ? "row" + std::to_string(r) : rows[r][source]);
                }
                text += "\n";
            }
            return text;
        };

        // The original order with its IDs last, and a shuffle with the ID
        // column somewhere among the others.
        std::vector<std::string> header = names;
        header.push_back("ID");
        std::vector<std::size_t> order = {0, 1, 2, 3, 4, 5};
        const std::string original = table_text(header, order);
        std::shuffle(order.begin(), order.end(), random);
        std::vector<std::string> shuffled_header;
        for (const std::size_t source : order)
            shuffled_header.push_back(source == 5 ? "ID" : names[source]);
        const std::string shuffled = table_text(shuffled_header, order);

        Batch_options csv;
        Batch_options jsonl;
        jsonl.Format = Output_format::Jsonl;
        const Numbers_by_id expected = Csv_numbers(Run_table(original, csv).Out, "ID");
        ASSERT_EQ(expected.size(), rows.size());
        Expect_same(expected, Csv_numbers(Run_table(shuffled, csv).Out, "ID"), "shuffled CSV");
        Expect_same(expected, Jsonl_numbers(Run_table(original, jsonl).Out, "ID"), "JSON Lines");
        Expect_same(expected, Jsonl_numbers(Run_table(shuffled, jsonl).Out, "ID"), "shuffled JSON Lines");
    }
}

TEST(Batch, JsonLinesRowsHoldTheInputsAsStringsAndTheErrorOrNull)
{
    Batch_options options;
    options.Format = Output_format::Jsonl;
    const Table_run run = Run_table("id,sd,n,case_a,case_b\n\"a\"\"b\",10,20,50,30\nx,0,20,50,30\n", options);
    EXPECT_EQ(run.Status, Exit_status::Some_rows_refused);
    std::istringstream lines(run.Out);
    std::string first, second, rest;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, rest));
    EXPECT_EQ(first.rfind("{\"id\":\"a\\\"b\",\"sd\":\"10\",\"n\":\"20\",\"case_a\":\"50\",\"case_b\":\"30\","
                          "\"limits\":\"two-sided\",\"raw_difference\":20,\"sd_difference\":14.1421356237,"
                          "\"df\":19,",
                          0),
              0u)
        << first;
    EXPECT_NE(first.find(",\"error\":null}"), std::string::npos) << first;
    EXPECT_NE(second.find("\"raw_difference\":null,"), std::string::npos) << second;
    EXPECT_NE(second.find(",\"error\":\"" + Refusal_on_one_line(Request_refusal({"0", "20", "50", "30"})) + "\"}"),
              std::string::npos)
        << second;
}

}  // namespace
