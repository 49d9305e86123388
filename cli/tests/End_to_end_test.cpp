// voran-report run as a user runs it: arguments through the shell, standard
// input from a file, the exit status and both output streams compared.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Csv_reader.h"
#include "Golden_report.h"

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

TEST(Single_report, OneSidedLimits)
{
    const struct {
        const char* Limits;
        std::string Lines;
    } rows[] = {
        {"lower",
         " Effect size (Z-PCC) for difference between the two cases =   1.414 \n"
         " 95% (one-sided) lower credible limit on the effect size =    1.032 \n"},
        {"lower", " 95% (one-sided) lower credible limit on the percentage =     3.7432%\n"},
        {"lower", " Credible limit required: 95% one-sided lower limit\n"},
        {"upper", " 95% (one-sided) upper credible limit on the effect size =    1.781 \n"},
        {"upper", " 95% (one-sided) upper credible limit on the percentage =    15.1045%\n"},
        {"upper", " Credible limit required: 95% one-sided upper limit\n"},
    };
    for (const auto& row : rows) {
        const Run_result run = Run_report(Worked_example_arguments(row.Limits));
        EXPECT_EQ(run.Status, 0);
        EXPECT_NE(run.Out.find(row.Lines), std::string::npos) << row.Limits << "\n" << row.Lines;
        EXPECT_EQ(run.Out.find("(plus 95% CI)"), std::string::npos);
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
    EXPECT_NE(batch.Out.find("\"INPUT ERROR (  Standard deviation of scores in the control sample:  "
                             "0,000  ) Standard"),
              std::string::npos)
        << batch.Out;
}

struct Refusal_row {
    const char* Name;
    std::vector<std::string> Arguments;
    std::string Message;
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Refusal_row& row, std::ostream* out) { *out << row.Name; }
};

class Refusal_test : public testing::TestWithParam<Refusal_row> {};

TEST_P(Refusal_test, MessageOnStandardErrorAndStatusTwo)
{
    const Run_result run = Run_report(GetParam().Arguments);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, GetParam().Message);
}

std::vector<std::string> Inputs(const char* sd, const char* n, const char* a, const char* b)
{
    return {"--sd", sd, "--n", n, "--case-a", a, "--case-b", b};
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refusal_test,
    testing::Values(
        Refusal_row{"SdZero", Inputs("0", "20", "50", "30"),
                    "INPUT ERROR\n(  Standard deviation of scores in the control sample:  0.000  )\n"
                    "Standard deviations must have a positive value.\n"},
        // Only the first bad input is reported.
        Refusal_row{"SdEmptyBeforeOthers", Inputs("", "x", "", ""),
                    "INPUT ERROR\n\n(  Standard deviation of scores in the control sample:  )\n\n"
                    "Data have not been entered in this field.\n"},
        Refusal_row{"SampleSizeTwo", Inputs("10", "2", "x", "x"),
                    "INPUT ERROR\n(  Sample size of the control sample:  2.000  )\n"
                    "The value for sample size must be an integer greater than 2.\n"},
        Refusal_row{"SampleSizeBeyondInt32", Inputs("10", "2147483648", "50", "30"),
                    "INPUT ERROR\n(  Sample size of the control sample:  2147483648.000  )\n"
                    "The value for sample size must be an integer greater than 2.\n"},
        Refusal_row{"CaseANotNumeric", Inputs("10", "20", "12-3", "30"),
                    "INPUT ERROR\n(  Test score for Case A:  12-3  )\n\nEnter numeric data only.\n"},
        Refusal_row{"CaseAOnlyMinus", Inputs("10", "20", "-", "30"),
                    "INPUT ERROR\n(  Test score for Case A:  -  )\n\nEnter numeric data only.\n"},
        Refusal_row{"CaseBEmpty", Inputs("10", "20", "50", ""),
                    "INPUT ERROR\n\n(  Test score for Case B:  )\n\n"
                    "Data have not been entered in this field.\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct Usage_row {
    const char* Name;
    std::vector<std::string> Arguments;
    const char* Problem;
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Usage_row& row, std::ostream* out) { *out << row.Name; }
};

class Usage_test : public testing::TestWithParam<Usage_row> {};

TEST_P(Usage_test, OneLineHintAndStatus64)
{
    const Run_result run = Run_report(GetParam().Arguments);
    EXPECT_EQ(run.Status, 64);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err.rfind(std::string("voran-report: ") + GetParam().Problem + ". usage: ", 0), 0u)
        << run.Err;
    EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << "not one line: " << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Usage_test,
    testing::Values(
        Usage_row{"NoArguments", {}, "missing --sd"},
        Usage_row{"MissingCaseB", {"--sd", "1", "--n", "5", "--case-a", "1"}, "missing --case-b"},
        Usage_row{"MissingValue", {"--sd"}, "--sd needs a value"},
        Usage_row{"Unknown", {"--sd", "1", "--mean", "3"}, "unknown argument '--mean'"},
        Usage_row{"Positional", {"10"}, "unknown argument '10'"},
        Usage_row{"GivenTwice", {"--sd", "1", "--sd", "2"}, "--sd given twice"},
        Usage_row{"BadLimits",
                  {"--sd", "1", "--n", "5", "--case-a", "1", "--case-b", "2", "--limits", "both"},
                  "--limits must be one of two-sided|lower|upper"},
        Usage_row{"CsvWithSingleOptions", {"--csv", "-", "--sd", "1"}, "--csv takes no --sd"},
        Usage_row{"CsvWithNote", {"--csv", "-", "--note", "x"}, "--csv takes no --note"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Help, PrintsTheUsageLineAndTheOptions)
{
    const Run_result run = Run_report({"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out.rfind("usage: voran-report --sd TEXT", 0), 0u);
    EXPECT_NE(run.Out.find("\n  --format csv|jsonl "), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\n  74\t"), std::string::npos) << run.Out;
    EXPECT_EQ(run.Err, "");
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

const std::string Csv_header =
    "sd,n,case_a,case_b,limits,raw_difference,sd_difference,df,p_one_tailed,p_two_tailed,"
    "effect_size,effect_lower,effect_upper,percent_estimate,percent_lower,percent_upper,error";

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

double Number(const std::string& field)
{
    EXPECT_FALSE(field.empty());
    return std::strtod(field.c_str(), nullptr);
}

TEST(Csv_batch, RowsPassOrAreRefusedAndTheRunGoesOn)
{
    const std::string input =
        "sd,n,case_a,case_b,limits\r\n"
        "10,20,50,30,\r\n"
        "\"10\",\"20\",\"30\",\"50\",two-sided\r\n"
        "10,20,50,30,lower\r\n"
        "0,20,50,30,\r\n"
        "\"1,5\",20,50,30,upper\r\n"
        "10,20,\"5\n0\",30,\r\n"
        "10,20,50\r\n"
        "10,20,50,30,sideways\r\n"
        "\r\n"
        "10,2147483648,50,30,\r\n";
    const Run_result run = Run_report({"--csv", "-"}, input);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "");
    ASSERT_EQ(run.Out.substr(0, Csv_header.size() + 1), Csv_header + "\n");

    const auto records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 10u);
    for (const auto& record : records)
        EXPECT_EQ(record.size(), 17u);

    // The worked example, two-sided, and with the cases exchanged.
    const auto& two_sided = records[1];
    EXPECT_EQ(two_sided[4], "two-sided");
    EXPECT_EQ(two_sided[5], "20");
    EXPECT_EQ(two_sided[6], "14.1421356237");  // sqrt(200) to 12 digits
    EXPECT_EQ(two_sided[7], "19");
    EXPECT_NEAR(Number(two_sided[8]), 0.086739, 5e-7);
    EXPECT_NEAR(Number(two_sided[9]), 0.173477, 5e-7);
    EXPECT_NEAR(Number(two_sided[10]), 1.414213562373, 1e-11);
    EXPECT_NEAR(Number(two_sided[11]), 0.968, 5e-4);
    EXPECT_NEAR(Number(two_sided[12]), 1.860, 5e-4);
    EXPECT_NEAR(Number(two_sided[13]), 8.6739, 5e-5);
    EXPECT_NEAR(Number(two_sided[14]), 3.1471, 5e-5);
    EXPECT_NEAR(Number(two_sided[15]), 16.6457, 5e-5);
    EXPECT_EQ(two_sided[16], "");

    const auto& exchanged = records[2];
    EXPECT_EQ(exchanged[5], "-20");
    EXPECT_EQ(exchanged[8], two_sided[8]);
    EXPECT_NEAR(Number(exchanged[11]), -1.860, 5e-4);
    EXPECT_NEAR(Number(exchanged[12]), -0.968, 5e-4);
    EXPECT_EQ(exchanged[16], "");

    const auto& lower = records[3];
    EXPECT_EQ(lower[4], "lower");
    EXPECT_NEAR(Number(lower[11]), 1.032, 5e-4);
    EXPECT_NEAR(Number(lower[14]), 3.7432, 5e-5);

    // Refused rows keep their inputs, leave the numbers empty and say why.
    const std::vector<std::string> empty_numbers(11, "");
    const auto expect_refused = [&](const std::vector<std::string>& record,
                                    const std::vector<std::string>& inputs,
                                    const std::string& error) {
        EXPECT_EQ(std::vector<std::string>(record.begin(), record.begin() + 5), inputs);
        EXPECT_EQ(std::vector<std::string>(record.begin() + 5, record.begin() + 16), empty_numbers);
        EXPECT_EQ(record[16], error);
    };
    expect_refused(records[4], {"0", "20", "50", "30", "two-sided"},
                   "INPUT ERROR (  Standard deviation of scores in the control sample:  0.000  ) "
                   "Standard deviations must have a positive value.");
    // A decimal comma is read as a point; the input is echoed as given.
    EXPECT_EQ(std::vector<std::string>(records[5].begin(), records[5].begin() + 5),
              (std::vector<std::string>{"1,5", "20", "50", "30", "upper"}));
    EXPECT_EQ(records[5][6], "2.12132034356");  // sqrt(2 * 1.5^2)
    EXPECT_EQ(records[5][16], "");
    // Line breaks in a message become blanks.
    expect_refused(records[6], {"10", "20", "5\n0", "30", "two-sided"},
                   "INPUT ERROR (  Test score for Case A:  5 0  )  Enter numeric data only.");
    expect_refused(records[7], {"10", "20", "50", "", "two-sided"},
                   "expected 5 fields, one per column of the first row, found 3");
    expect_refused(records[8], {"10", "20", "50", "30", "sideways"},
                   "limits must be one of two-sided|lower|upper");
    expect_refused(records[9], {"10", "2147483648", "50", "30", "two-sided"},
                   "INPUT ERROR (  Sample size of the control sample:  2147483648.000  ) "
                   "The value for sample size must be an integer greater than 2.");
    // The quoted inputs are quoted again.
    EXPECT_NE(run.Out.find("\n\"1,5\",20,50,30,upper,20,"), std::string::npos);
    EXPECT_NE(run.Out.find("\n10,20,\"5\n0\",30,two-sided,,"), std::string::npos);
}

TEST(Csv_batch, AllRowsPassingGiveStatusZero)
{
    const Run_result run = Run_report({"--csv", "-"}, "sd,n,case_a,case_b\n2,3,12,10\n");
    EXPECT_EQ(run.Status, 0);
    const auto records = Csv_records(run.Out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NEAR(Number(records[1][8]), 0.276393, 5e-7);
    EXPECT_NEAR(Number(records[1][11]), 0.113, 5e-4);
    EXPECT_NEAR(Number(records[1][12]), 1.358, 5e-4);
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
    EXPECT_EQ(records[1][16], "line 2: a quoted field is not closed");
    EXPECT_EQ(records[2][0], "2");
    EXPECT_EQ(records[2][16], "");
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
