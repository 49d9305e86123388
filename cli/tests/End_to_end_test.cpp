// voran-report run as a user runs it: arguments through the shell, standard
// input from a file, the exit status and both output streams compared.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Batch_row.h"
#include "Csv_reader.h"
#include "Golden_report.h"
#include "Request_refusal.h"

namespace {

struct Run_result {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string Shell_quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string File_text(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs voran-report with the given arguments and standard input, under the
// given environment settings (LC_ALL=C unless told otherwise).
Run_result Run_report(const std::vector<std::string>& arguments, const std::string& input = "",
                      const std::string& environment = "LC_ALL=C")
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("voran-report-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "in", std::ios::binary) << input;

    std::string command = environment + " " + Shell_quoted(VORAN_REPORT);
    for (const std::string& argument : arguments)
        command += " " + Shell_quoted(argument);
    command += " <" + Shell_quoted(folder / "in") + " >" + Shell_quoted(folder / "out") + " 2>" +
               Shell_quoted(folder / "err");
    const int status = std::system(command.c_str());

    Run_result result;
    EXPECT_TRUE(WIFEXITED(status)) << "ended by a signal: " << command;
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Out = File_text(folder / "out");
    result.Err = File_text(folder / "err");
    std::filesystem::remove_all(folder);
    return result;
}

std::vector<std::string> Worked_example_arguments(const char* limits)
{
    return {"--sd", "10", "--n", "20", "--case-a", "50", "--case-b", "30", "--limits", limits};
}

TEST(Single_report, WorkedExampleTwoSidedIsTheDesktopReport)
{
    const Run_result run = Run_report(Worked_example_arguments("two-sided"));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, Worked_example_report_text());
    EXPECT_EQ(run.Err, "");
}

TEST(Single_report, TwoSidedIsTheDefault)
{
    EXPECT_EQ(Run_report({"--sd", "10", "--n=20", "--case-a", "50", "--case-b=30"}).Out,
              Worked_example_report_text());
}

TEST(Single_report, EachKindOfLimitsGivesItsGoldenReport)
{
    for (const Limits_names& names : Limits_table) {
        const Run_result run = Run_report(Worked_example_arguments(std::string(names.Word).c_str()));
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, Worked_example_report_text(names.Value)) << names.Word;
        EXPECT_EQ(run.Err, "");
    }
}

TEST(Single_report, NotesAndInputsAsGiven)
{
    const Run_result run = Run_report({"--sd", "10", "--n", "020", "--case-a", " 50", "--case-b",
                                       "30.", "--note", "first line", "--note", "second line"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("\n\n User's Notes: first line\n               second line\n \n INPUTS:\n"
                           " Standard deviation of scores in the control sample= 10\n"
                           " Sample size of the control sample= 020\n"
                           " Test score for Case A=  50\n"
                           " Test score for Case B= 30.\n"),
              std::string::npos)
        << run.Out;
    // The values read are those of the worked example.
    EXPECT_NE(run.Out.find("(plus 95% CI) = 1.414  (0.968 to 1.860)\n"), std::string::npos);
}

TEST(Single_report, ExtremeInputsGiveAFullReport)
{
    const Run_result run = Run_report(
        {"--sd", ".0001", "--n", "999999", "--case-a", "999999", "--case-b", "-99999"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find(" 95% upper credible limit on the percentage ="), std::string::npos);
    EXPECT_EQ(run.Err, "");
}

TEST(Single_report, AFailingComparisonIsAnErrorNotACrash)
{
    // The largest N that the checks accept lies at the edge of the library's
    // range: either a full report or a clear error, never both, never a crash.
    const Run_result run =
        Run_report({"--sd", "1", "--n", "2147483647", "--case-a", "1", "--case-b", "0"});
    if (run.Status == 0) {
        EXPECT_NE(run.Out.find(" OUTPUTS:"), std::string::npos);
        EXPECT_EQ(run.Err, "");
    } else {
        EXPECT_EQ(run.Status, 3);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err.rfind("voran-report: ", 0), 0u) << run.Err;
    }
}

// A locale whose decimal separator is a comma, compiled into a folder of its
// own; empty when the system cannot compile one.
std::string Comma_locale_environment(const std::filesystem::path& folder)
{
    const std::string command = "localedef -i de_DE -f UTF-8 " +
                                Shell_quoted(folder / "de_DE.UTF-8") + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return "";
    return "LOCPATH=" + Shell_quoted(folder) + " LC_ALL=de_DE.UTF-8";
}

TEST(Single_report, NumbersAndMessagesUseTheLocalesSeparator)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("voran-report-locale-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string environment = Comma_locale_environment(folder);
    if (environment.empty()) {
        std::filesystem::remove_all(folder);
        GTEST_SKIP() << "no de_DE locale can be compiled here";
    }
    const Run_result report = Run_report(Worked_example_arguments("two-sided"), "", environment);
    const Run_result refusal =
        Run_report({"--sd", "-1.5", "--n", "20", "--case-a", "1", "--case-b", "2"}, "", environment);
    const Run_result batch = Run_report({"--csv", "-"}, "sd,n,case_a,case_b\n10,20,50,30\n0,20,1,2\n",
                                        environment);
    std::filesystem::remove_all(folder);

    EXPECT_NE(report.Out.find("(Case A - Case B)  = 20,000\n"), std::string::npos) << report.Out;
    EXPECT_NE(report.Out.find(" One-tailed probability = 0,086739\n"), std::string::npos);
    EXPECT_NE(report.Out.find("(plus 95% CI) = 1,414  (0,968 to 1,860)\n"), std::string::npos);
    EXPECT_NE(refusal.Err.find("  -1,500  )"), std::string::npos) << refusal.Err;
    // The table's numbers keep the full stop; its messages speak the user's form.
    EXPECT_NE(batch.Out.find("\n10,20,50,30,two-sided,20,14.1421356237,19,"), std::string::npos)
        << batch.Out;
    EXPECT_NE(batch.Out.find(Refusal_on_one_line(Request_refusal({"0", "20", "1", "2"}, ','))), std::string::npos)
        << batch.Out;
}

struct Refusal_row {
    const char* Name;
    Comparison_texts Texts;
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Refusal_row& row, std::ostream* out) { *out << row.Name; }
};

class Refusal_test : public testing::TestWithParam<Refusal_row> {};

// The request step's refusal (its words are tested beside it) reaches standard
// error with its lines ended by LF.
TEST_P(Refusal_test, MessageOnStandardErrorAndStatusTwo)
{
    const Comparison_texts& texts = GetParam().Texts;
    const Run_result run =
        Run_report({"--sd", texts.SD, "--n", texts.N, "--case-a", texts.Case_A, "--case-b", texts.Case_B});
    std::string message = Request_refusal(texts, '.', Inner_blanks::Refused);
    std::ranges::replace(message, '\r', '\n');
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refusal_test,
    testing::Values(Refusal_row{"SdZero", {"0", "20", "50", "30"}},
                    // Only the first bad input is reported.
                    Refusal_row{"SdEmptyBeforeOthers", {"", "x", "", ""}},
                    Refusal_row{"SampleSizeTwo", {"10", "2", "x", "x"}},
                    Refusal_row{"SampleSizeBeyondInt32", {"10", "2147483648", "50", "30"}},
                    Refusal_row{"CaseANotNumeric", {"10", "20", "12-3", "30"}},
                    Refusal_row{"CaseAOnlyMinus", {"10", "20", "-", "30"}},
                    // Not the number 505 that the worksheet would read.
                    Refusal_row{"CaseABlankInside", {"10", "20", "50 5", "30"}},
                    Refusal_row{"SampleSizeBlankInside", {" 10 ", "2 0", "50", "30"}},
                    Refusal_row{"CaseBEmpty", {"10", "20", "50", ""}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct Usage_row {
    const char* Name;
    std::vector<std::string> Arguments;
    const char* Problem;
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Usage_row& row, std::ostream* out) { *out << row.Name; }
};

class Usage_test : public testing::TestWithParam<Usage_row> {};

// What is wrong on one short line, then where to read more.
TEST_P(Usage_test, WhatIsWrongAndWhereToLookStatus64)
{
    const Run_result run = Run_report(GetParam().Arguments);
    EXPECT_EQ(run.Status, 64);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, std::string("voran-report: ") + GetParam().Problem + "\nTry 'voran-report --help'.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Usage_test,
    testing::Values(
        Usage_row{"OnlyANote", {"--note", "x"}, "missing --sd"},
        Usage_row{"MissingCaseB", {"--sd", "1", "--n", "5", "--case-a", "1"}, "missing --case-b"},
        Usage_row{"MissingValue", {"--sd"}, "--sd needs a value"},
        Usage_row{"Unknown", {"--sd", "1", "--mean", "3"}, "unknown argument '--mean'"},
        Usage_row{"Positional", {"10"}, "unknown argument '10'"},
        Usage_row{"GivenTwice", {"--sd", "1", "--sd", "2"}, "--sd given twice"},
        Usage_row{"BadLimits",
                  {"--sd", "1", "--n", "5", "--case-a", "1", "--case-b", "2", "--limits", "both"},
                  "--limits must be one of two-sided|lower|upper, not 'both'"},
        Usage_row{"CsvWithSingleOptions", {"--csv", "-", "--sd", "1"}, "--csv takes no --sd"},
        Usage_row{"CsvWithNote", {"--csv", "-", "--note", "x"}, "--csv takes no --note"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Standard error is often a terminal: text of the user's that a message
// echoes (an option's value, an argument, a path, a typed number) reaches it with
// its control characters as blanks, so that it cannot clear the screen or
// retitle the window.
TEST(Messages, WriteControlCharactersAsBlanks)
{
    const std::string hostile = "x\033[2J\033]0;owned\007";
    const struct {
        const char* Name;
        std::vector<std::string> Arguments;
        std::string Input;
        int Status;
        std::string Shown;  // in the message, as the terminal gets it
    } rows[] = {
        {"LimitsWord", {"--sd", "1", "--n", "20", "--case-a", "1", "--case-b", "2", "--limits", hostile}, "", 64,
         "voran-report: --limits must be one of two-sided|lower|upper, not 'x [2J ]0;owned '\n"},
        {"C1Controls", {"--sd", "1", "--n", "20", "--case-a", "1", "--case-b", "2", "--limits", "a\xc2\x9b" "2J"}, "",
         64, "voran-report: --limits must be one of two-sided|lower|upper, not 'a 2J'\n"},
        {"Argument", {"--sd", "1", hostile}, "", 64, "voran-report: unknown argument 'x [2J ]0;owned '\nTry "},
        {"TablePath", {"--csv", "/nonexistent/" + hostile}, "", 66,
         "voran-report: cannot open /nonexistent/x [2J ]0;owned : "},
        {"TypedNumber", {"--sd", "1\r" + hostile, "--n", "20", "--case-a", "1", "--case-b", "2"}, "", 2,
         "(  Standard deviation of scores in the control sample:  1\nx [2J ]0;owned   )\n"},
    };
    for (const auto& row : rows) {
        const Run_result run = Run_report(row.Arguments, row.Input);
        EXPECT_EQ(run.Status, row.Status) << row.Name;
        EXPECT_NE(run.Err.find(row.Shown), std::string::npos) << row.Name << ": " << run.Err;
        const bool controls = std::ranges::any_of(run.Err, [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return (byte < 0x20 && c != '\n') || byte == 0x7F || (byte >= 0x80 && byte <= 0x9F);
        });
        EXPECT_FALSE(controls) << row.Name << ": " << run.Err;
    }
}

TEST(Help, SaysWhatTheToolDoesWithExamplesThenTheUsageLineAndTheOptions)
{
    // No arguments at all ask for the help too.
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--help"}, std::vector<std::string>{}}) {
        const Run_result run = Run_report(arguments);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out.rfind("voran-report compares the scores of two single cases", 0), 0u) << run.Out;
        const std::size_t sentence_end = run.Out.find(".\n\nExamples:\n");
        EXPECT_EQ(run.Out.find('\n'), sentence_end + 1) << "not one sentence on one line";
        EXPECT_NE(run.Out.find("Examples:\n  voran-report --sd 10 --n 20 --case-a 50 --case-b 30\n"
                               "  voran-report --csv "),
                  std::string::npos)
            << run.Out;
        EXPECT_NE(run.Out.find("\n\nusage: voran-report --sd TEXT"), std::string::npos);
        EXPECT_NE(run.Out.find("\n  --format csv|jsonl "), std::string::npos) << run.Out;
        EXPECT_NE(run.Out.find("\n  74\t"), std::string::npos) << run.Out;
        EXPECT_EQ(run.Err, "");
    }
}

TEST(Version, PrintsTheProgramAndTheProjectVersion)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--version"}, std::vector<std::string>{"--sd", "1", "--version"}}) {
        const Run_result run = Run_report(arguments);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, std::string("voran-report ") + VORAN_VERSION + "\n");
        EXPECT_EQ(run.Err, "");
    }
}

TEST(Single_report, TheLevelIsComputedAndStated)
{
    std::vector<std::string> arguments = Worked_example_arguments("two-sided");
    arguments.insert(arguments.end(), {"--level", "90"});
    const Run_result ninety = Run_report(arguments);
    EXPECT_EQ(ninety.Status, 0);
    EXPECT_NE(ninety.Out.find(" Credible limit required: 90% two-sided limit\n"), std::string::npos);
    EXPECT_NE(ninety.Out.find("(plus 90% CI) = 1.414  ("), std::string::npos);
    EXPECT_NE(ninety.Out.find(" 90% upper credible limit on the percentage ="), std::string::npos);
    EXPECT_EQ(ninety.Out.find("95%"), std::string::npos);
    // The 90% interval lies inside the 95% one.
    EXPECT_EQ(ninety.Out.find("(0.968 to 1.860)"), std::string::npos);

    arguments.back() = "95";
    EXPECT_EQ(Run_report(arguments).Out, Worked_example_report_text());
    arguments.back() = "97,5";
    EXPECT_NE(Run_report(arguments).Out.find(" Credible limit required: 97.5% two-sided limit\n"),
              std::string::npos);
}

TEST(Single_report, ALevelCloseToAHundredIsStatedWithAllItsDigits)
{
    std::vector<std::string> arguments = Worked_example_arguments("two-sided");
    arguments.insert(arguments.end(), {"--level", "99.9999995"});
    const Run_result run = Run_report(arguments);
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find(" Credible limit required: 99.9999995% two-sided limit\n"), std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("(plus 99.9999995% CI) = "), std::string::npos) << run.Out;
    EXPECT_EQ(run.Out.find("100%"), std::string::npos) << run.Out;
}

TEST(Single_report, ADecimalCommaIsReadAsAPointAndEchoedAsGiven)
{
    const Run_result comma = Run_report({"--sd", "10", "--n", "20", "--case-a", "50,5", "--case-b", "30"});
    const Run_result point = Run_report({"--sd", "10", "--n", "20", "--case-a", "50.5", "--case-b", "30"});
    EXPECT_EQ(comma.Status, 0);
    EXPECT_NE(comma.Out.find(" Test score for Case A= 50,5\n"), std::string::npos);
    EXPECT_NE(comma.Out.find("(Case A - Case B)  = 20.500\n"), std::string::npos);
    const auto outputs = [](const std::string& report) { return report.substr(report.find(" OUTPUTS:")); };
    EXPECT_EQ(outputs(comma.Out), outputs(point.Out));
}

TEST(Single_report, LineBreaksInANoteStartNewNotesLines)
{
    const Run_result run = Run_report({"--sd", "10", "--n", "20", "--case-a", "50", "--case-b", "30",
                                       "--note", "one\rtwo\r\nthree\nfour"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out.find('\r'), std::string::npos);
    EXPECT_NE(run.Out.find("\n User's Notes: one\n               two\n               three\n"
                           "               four\n \n INPUTS:\n"),
              std::string::npos)
        << run.Out;
}

// ---- CSV batch -------------------------------------------------------------------

// The output's header for the four required columns: they, the limits
// added, then every result column of the table and the error.
std::string Required_columns_header()
{
    std::string header = "sd,n,case_a,case_b,limits";
    for (const Result_column& column : Result_columns)
        header.append(",").append(column.Name);
    return header.append(",").append(Error_column);
}

const std::string Csv_header = Required_columns_header();

// Where the header names the column.
std::size_t Column_of(const std::vector<std::string>& header, std::string_view name)
{
    const auto found = std::ranges::find(header, name);
    EXPECT_NE(found, header.end()) << name;
    return static_cast<std::size_t>(found - header.begin());
}

std::vector<std::vector<std::string>> Csv_records(const std::string& text)
{
    std::istringstream in(text);
    Csv_reader reader(in);
    std::vector<std::vector<std::string>> records;
    Csv_record record;
    while (reader.Next_record(record)) {
        EXPECT_EQ(record.Problem(), "");
        std::vector<std::string>& fields = records.emplace_back();
        for (std::size_t i = 0; i < record.Kept_count(); ++i)
            fields.emplace_back(record.Field(i));
    }
    return records;
}


// The table's rows, numbers and messages are tested in the process; here, a
// table with passing and refused rows through the shell: CR LF line ends
// read, every row answered on standard output, nothing on standard error,
// status 1.
TEST(Csv_batch, RowsPassOrAreRefusedAndTheRunGoesOn)
{
    const std::string input =
        "sd,n,case_a,case_b,limits\r\n"
        "10,20,50,30,\r\n"
        "0,20,50,30,\r\n"
        "10,20,50\r\n"
        "10,20,50,30,sideways\r\n"
        "\r\n"
        "10,20,50,30,lower\r\n";
    const Run_result run = Run_report({"--csv", "-"}, input);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "");
    ASSERT_EQ(run.Out.substr(0, Csv_header.size() + 1), Csv_header + "\n");
    const auto records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 6u);
    const std::vector<bool> refused = {false, true, true, true, false};
    for (std::size_t row = 0; row < refused.size(); ++row)
        EXPECT_EQ(records[row + 1].back().empty(), !refused[row]) << "row " << row + 1;
}

TEST(Csv_batch, OutputForASpreadsheetWithDecimalCommas)
{
    const Run_result run = Run_report({"--csv", "-", "--delimiter", "tab", "--output-delimiter", ";"},
                                      "id\tsd\tn\tcase_a\tcase_b\n=A1\t10\t20\t50,5\t30\n");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("\n'=A1;10;20;50,5;30;two-sided;20,5;14,1421356237;19;"), std::string::npos) << run.Out;
}

TEST(Csv_batch, AllRowsPassingGiveStatusZero)
{
    const Run_result run = Run_report({"--csv", "-"}, "sd,n,case_a,case_b\n2,3,12,10\n");
    EXPECT_EQ(run.Status, 0);
    const auto records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].back(), "");
}

TEST(Csv_batch, ReadsAFile)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("voran-report-table-" + std::to_string(getpid()) + ".csv");
    std::ofstream(path, std::ios::binary) << "sd,n,case_a,case_b\n10,20,50,30";
    const Run_result run = Run_report({"--csv", path.string()});
    std::filesystem::remove(path);
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(Csv_records(run.Out).size(), 2u);
}

// --summary through the program: the summary instead of the report, in the
// language asked for whatever the locale, and in a table its two columns.
TEST(Summary_option, PrintsTheSummaryOrItsColumns)
{
    std::vector<std::string> arguments = Worked_example_arguments("upper");
    arguments.insert(arguments.end(), {"--summary", "es"});
    const Run_result single = Run_report(arguments);
    EXPECT_EQ(single.Status, 0);
    EXPECT_EQ(single.Out, Worked_example_summary_text(Summary_language::Spanish, Limits::Upper));

    const Run_result table = Run_report({"--csv", "-", "--summary", "nl"}, "sd,n,case_a,case_b\n10,20,50,30\n");
    EXPECT_EQ(table.Status, 0);
    const auto records = Csv_records(table.Out);
    ASSERT_EQ(records.size(), 2u);
    ASSERT_GE(records[1].size(), 3u);
    EXPECT_EQ(records[1][records[1].size() - 3] + "\n" + records[1][records[1].size() - 2] + "\n",
              Worked_example_summary_text(Summary_language::Dutch));
}

TEST(Csv_batch, InputProblemsAreReportedWithTheirOwnStatus)
{
    const Run_result missing = Run_report({"--csv", "/nonexistent/table.csv"});
    EXPECT_EQ(missing.Status, 66);
    EXPECT_EQ(missing.Out, "");
    EXPECT_EQ(missing.Err.rfind("voran-report: cannot open /nonexistent/table.csv: ", 0), 0u);

    // Without a header the first row would be lost: it is refused instead.
    const Run_result headless = Run_report({"--csv", "-"}, "10,20,50,30\n2,3,12,10\n");
    EXPECT_EQ(headless.Status, 65);
    EXPECT_EQ(headless.Out, "");
    EXPECT_EQ(headless.Err, "voran-report: standard input, the first row must name the columns sd, "
                            "n, case_a, case_b; it lacks sd, n, case_a, case_b\n");

    const Run_result renamed = Run_report({"--csv", "-"}, "SD,N,A,B\n10,20,50,30\n");
    EXPECT_EQ(renamed.Status, 65);
    EXPECT_EQ(renamed.Err, "voran-report: standard input, the first row must name the columns sd, "
                           "n, case_a, case_b; it lacks case_a, case_b\n");

    // A broken quote is an error row; the run goes on at the next line.
    const Run_result broken = Run_report({"--csv", "-"}, "sd,n,case_a,case_b\n\"10,20,50,30\n2,3,12,10\n");
    EXPECT_EQ(broken.Status, 1);
    EXPECT_EQ(broken.Err, "");
    const auto records = Csv_records(broken.Out);
    ASSERT_EQ(records.size(), 3u);
    const std::size_t error = Column_of(records[0], Error_column);
    EXPECT_EQ(records[1].at(error), "line 2: a quoted field is not closed");
    EXPECT_EQ(records[2][0], "2");
    EXPECT_EQ(records[2].at(error), "");
}

// A quoted field over the field limit whose text holds lines that look like
// rows: they stay the field's text, cut short, and the row after it is the
// next row.
TEST(Csv_batch, ALongQuotedFieldOverLinesIsOneErrorRow)
{
    const std::string notes = "P1 notes: " + std::string(1100 * 1024, 'n');
    const Run_result run = Run_report({"--csv", "-"}, "id,sd,n,case_a,case_b\n\"" + notes +
                                                          "\nP999,1,3,999,-999\nmore notes\",10,20,50,30\n"
                                                          "P2,10,20,50,30\n");
    EXPECT_EQ(run.Status, 1);
    const auto records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1][0], notes.substr(0, std::size_t{1} << 20));
    EXPECT_EQ(records[1].back(), "line 2: field 1 is longer than 1048576 bytes; it is cut short");
    EXPECT_EQ(records[2][0], "P2");
    EXPECT_EQ(records[2].back(), "");
}

// --plot: the picture beside the report, with no display and no platform
// named; the report on standard output is unchanged. SVG is written by every
// build, PNG by the build with Qt.
class Plot_option : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    Run_result Run_with_plot(const std::filesystem::path& plot,
                             std::vector<std::string> arguments = Worked_example_arguments("two-sided"),
                             const std::string& environment = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY")
    {
        arguments.insert(arguments.end(), {"--plot", plot.string()});
        return Run_report(arguments, "", "LC_ALL=C " + environment);
    }

    std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                    ("voran-report plot " + std::to_string(getpid()));
};

TEST_F(Plot_option, SvgBesideTheReport)
{
    const auto plot = folder_ / "plot.svg";
    const Run_result run = Run_with_plot(plot);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, Worked_example_report_text());
    const std::string svg = File_text(plot);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    for (const char* number : {"20.000", "0.086739", "8.6739%", "0.968 to 1.860"})
        EXPECT_NE(svg.find(number), std::string::npos) << number;
}

TEST_F(Plot_option, PngByItsExtension)
{
    if (!VORAN_REPORT_DRAWS_PNG)
        GTEST_SKIP() << "this voran-report was built without Qt and draws no PNG";
    const auto plot = folder_ / "plot.PNG";
    const Run_result run = Run_with_plot(plot);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(File_text(plot).substr(0, 8), "\x89PNG\r\n\x1a\n");
}

TEST_F(Plot_option, UnwritablePictureStillWritesTheReport)
{
    for (const auto& plot : {folder_ / "plot.jpg", folder_ / "missing" / "plot.svg"}) {
        const Run_result run = Run_with_plot(plot);
        EXPECT_EQ(run.Status, 74) << plot;
        EXPECT_EQ(run.Out, Worked_example_report_text()) << plot;
        EXPECT_EQ(run.Err.rfind("voran-report: the picture was not written: ", 0), 0u) << run.Err;
        EXPECT_NE(run.Err.find(plot.filename().string()), std::string::npos) << run.Err;
        EXPECT_EQ(run.Err.find("the output could not be written"), std::string::npos) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(plot)) << plot;
    }
}

// A platform that needs a display, named where there is none: the picture
// is still drawn (offscreen), never an abort.
TEST_F(Plot_option, PlatformWithoutItsDisplayStillDraws)
{
    if (!VORAN_REPORT_DRAWS_PNG)
        GTEST_SKIP() << "this voran-report was built without Qt and draws no PNG";
    const auto plot = folder_ / "plot.png";
    const Run_result run = Run_with_plot(plot, Worked_example_arguments("two-sided"),
                                         "QT_QPA_PLATFORM=xcb env -u DISPLAY -u WAYLAND_DISPLAY");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, Worked_example_report_text());
    EXPECT_EQ(File_text(plot).substr(0, 8), "\x89PNG\r\n\x1a\n");
}

// Every comparison that the report accepts has its picture, however far
// its numbers reach.
TEST_F(Plot_option, ExtremeComparisonsHaveTheirPicture)
{
    // The worksheet's reader takes digits only: 10^308 and 10^-321 written out.
    const std::string nines(308, '9');
    const std::string sd_1e308 = "1" + std::string(308, '0');
    const std::string sd_1e_321 = "0." + std::string(320, '0') + "1";
    const std::vector<std::vector<std::string>> comparisons = {
        {"--sd", "10", "--n", "20", "--case-a", nines, "--case-b", "30"},
        {"--sd", sd_1e308, "--n", "20", "--case-a", "50", "--case-b", "30"},
        {"--sd", sd_1e_321, "--n", "20", "--case-a", "50", "--case-b", "30"},
        {"--sd", "0.0001", "--n", "1000000", "--case-a", "1", "--case-b", "0"},
        {"--sd", "10", "--n", "3", "--case-a", "30", "--case-b", "30"},
    };
    for (const auto& comparison : comparisons)
        for (const char* name : {"plot.svg", "plot.png"}) {
            if (!VORAN_REPORT_DRAWS_PNG && std::string_view(name) == "plot.png")
                continue;
            const auto plot = folder_ / name;
            std::filesystem::remove(plot);
            const Run_result run = Run_with_plot(plot, comparison);
            const std::string which = comparison[1].substr(0, 12) + " " + comparison[5].substr(0, 12) + " " + name;
            EXPECT_EQ(run.Status, 0) << which << "\n" << run.Err;
            EXPECT_NE(run.Out.find(" OUTPUTS:"), std::string::npos) << which;
            EXPECT_TRUE(std::filesystem::exists(plot)) << which;
        }
}

TEST(Plot_usage, EmptyNameIsAUsageError)
{
    const Run_result empty = Run_report({"--sd", "10", "--n", "20", "--case-a", "50", "--case-b", "30", "--plot", ""});
    EXPECT_EQ(empty.Status, 64);
    EXPECT_EQ(empty.Out, "");
    EXPECT_NE(empty.Err.find("--plot needs a file name"), std::string::npos) << empty.Err;
}

// A FIFO, or a link to a device, at the picture's name is never replaced by a
// file. Run as root, a tool that followed the link to /dev/null would replace
// the machine's /dev/null, so root links to a node of its own with the null
// device's numbers; anyone else links to /dev/null itself, where only a
// refusal before any write gives "not a regular file".
TEST_F(Plot_option, PictureOntoAFifoOrALinkToADeviceIsRefused)
{
    const auto fifo = folder_ / "plot.svg";  // SVG: written by every build
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::path device = "/dev/null";
    if (::geteuid() == 0) {
        device = folder_ / "null";
        if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    } else if (::access("/dev", W_OK) == 0) {
        GTEST_SKIP() << "/dev is writable by this user, who is not root";
    }
    const auto link = folder_ / "null.svg";
    std::filesystem::create_symlink(device, link);
    for (const auto& plot : {fifo, link}) {
        const Run_result run = Run_with_plot(plot);
        EXPECT_EQ(run.Status, 74) << plot;
        EXPECT_NE(run.Err.find(plot.string() + ": not a regular file\n"), std::string::npos) << run.Err;
    }
    EXPECT_EQ(std::filesystem::symlink_status(fifo).type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(std::filesystem::symlink_status(link).type(), std::filesystem::file_type::symlink);
    EXPECT_EQ(std::filesystem::symlink_status(device).type(), std::filesystem::file_type::character);
}

TEST(Plot_usage, CsvTakesNoPlot)
{
    const Run_result run = Run_report({"--csv", "-", "--plot", "a.svg"});
    EXPECT_EQ(run.Status, 64);
    EXPECT_NE(run.Err.find("--csv takes no --plot"), std::string::npos) << run.Err;
}

}  // namespace
