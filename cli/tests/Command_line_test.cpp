// The command line: the options of a single report and of a table run, the
// credible level, the delimiter and the output format, and the usage errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Command_line.h"
#include "Help_text.h"

namespace {

TEST(Command_line, SingleReportWithLevelAndNotes)
{
    const Command command = Parse_command_line(
        {"--sd", "10", "--n=20", "--case-a", "50,5", "--case-b", "-4", "--limits", "lower",
         "--level", "97,5", "--note", "a", "--note=b"});
    EXPECT_EQ(command.What, Command::Kind::Single);
    EXPECT_EQ(command.Single.Texts.Case_A, "50,5");  // as given; read later
    EXPECT_EQ(command.Single.Texts.Case_B, "-4");
    EXPECT_EQ(command.Single.Limits_kind, Limits::Lower);
    EXPECT_EQ(command.Single.Level, 97.5L);
    EXPECT_EQ(command.Single.Notes, (std::vector<std::string>{"a", "b"}));
}

TEST(Command_line, TableRunWithItsOptions)
{
    const Command plain = Parse_command_line({"--csv", "-"});
    EXPECT_EQ(plain.What, Command::Kind::Batch);
    EXPECT_EQ(plain.Table.Csv_path, "-");
    EXPECT_EQ(plain.Table.Delimiter, std::nullopt);
    EXPECT_EQ(plain.Table.Format, Output_format::Csv);
    EXPECT_EQ(plain.Table.Level, 95);
    EXPECT_EQ(plain.Table.Jobs, std::nullopt);

    const Command full = Parse_command_line(
        {"--csv", "t.csv", "--delimiter", ";", "--format=jsonl", "--level", "90", "--jobs", "3"});
    EXPECT_EQ(full.Table.Csv_path, "t.csv");
    EXPECT_EQ(full.Table.Delimiter, ';');
    EXPECT_EQ(full.Table.Format, Output_format::Jsonl);
    EXPECT_EQ(full.Table.Level, 90);
    EXPECT_EQ(full.Table.Jobs, 3u);
    EXPECT_EQ(full.Table.Output_delimiter_kind, Output_delimiter::Comma);
}

TEST(Command_line, DelimitersByName)
{
    EXPECT_EQ(Parse_command_line({"--csv", "-", "--delimiter", "tab"}).Table.Delimiter, '\t');
    EXPECT_EQ(Parse_command_line({"--csv", "-", "--delimiter", "\t"}).Table.Delimiter, '\t');
    const struct {
        const char* Word;
        Output_delimiter Delimiter;
    } outputs[] = {{",", Output_delimiter::Comma}, {";", Output_delimiter::Semicolon},
                   {"tab", Output_delimiter::Tab}, {"\t", Output_delimiter::Tab}};
    for (const auto& output : outputs)
        EXPECT_EQ(Parse_command_line({"--csv", "-", "--output-delimiter", output.Word}).Table.Output_delimiter_kind,
                  output.Delimiter)
            << output.Word;
}

TEST(Command_line, LimitsInAnyCaseAndWithBlanksAround)
{
    for (const auto& [word, limits] : {std::pair{"Lower", Limits::Lower}, std::pair{" upper ", Limits::Upper},
                                       std::pair{"TWO-SIDED", Limits::Two_sided}})
        EXPECT_EQ(Parse_command_line(
                      {"--sd", "1", "--n", "5", "--case-a", "1", "--case-b", "2", "--limits", word})
                      .Single.Limits_kind,
                  limits)
            << word;
}

TEST(Command_line, HelpAndVersionWinWherePlaced)
{
    EXPECT_EQ(Parse_command_line({"--sd", "1", "--help"}).What, Command::Kind::Help);
    EXPECT_EQ(Parse_command_line({"-h"}).What, Command::Kind::Help);
    EXPECT_EQ(Parse_command_line({"--csv", "-", "--version"}).What, Command::Kind::Version);
    EXPECT_EQ(Parse_command_line({}).What, Command::Kind::Help);
}

TEST(Command_line, LevelsFromFiftyUpToAHundred)
{
    const struct {
        const char* Text;
        Extended Level;  // 0: refused
    } rows[] = {
        {"50", 50}, {"95", 95}, {"99.9", 99.9}, {"99,9", 99.9}, {"80.", 80},
        {"49.999", 0}, {"100", 0}, {"120", 0}, {"-95", 0}, {"", 0}, {"95%", 0},
        {" 95", 0}, {"nan", 0}, {"inf", 0}, {"9 5", 0}, {"1e2", 0},
    };
    for (const auto& row : rows) {
        if (row.Level == 0) {
            EXPECT_THROW(Level_from_text(row.Text), EUsage_error) << row.Text;
        } else {
            EXPECT_EQ(Level_from_text(row.Text), static_cast<Extended>(static_cast<double>(row.Level)))
                << row.Text;
        }
    }
}

struct Usage_row {
    const char* Name;
    std::vector<std::string> Arguments;
    const char* Message;
    friend void PrintTo(const Usage_row& row, std::ostream* out) { *out << row.Name; }
};

class Usage_test : public testing::TestWithParam<Usage_row> {};

TEST_P(Usage_test, SaysWhatIsWrong)
{
    try {
        Parse_command_line(GetParam().Arguments);
        ADD_FAILURE() << "accepted";
    } catch (const EUsage_error& error) {
        EXPECT_STREQ(error.what(), GetParam().Message);
    }
}

const std::vector<std::string> Four = {"--sd", "1", "--n", "5", "--case-a", "1", "--case-b", "2"};

std::vector<std::string> Four_and(std::vector<std::string> more)
{
    std::vector<std::string> arguments = Four;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Usage_test,
    testing::Values(
        Usage_row{"LevelOutOfRange", Four_and({"--level", "100"}),
                  "--level must be a number from 50 up to but not including 100"},
        Usage_row{"TableLevelOutOfRange", {"--csv", "-", "--level", "10"},
                  "--level must be a number from 50 up to but not including 100"},
        Usage_row{"LevelTwice", Four_and({"--level", "90", "--level", "80"}), "--level given twice"},
        Usage_row{"DelimiterWithoutCsv", Four_and({"--delimiter", ";"}), "--delimiter needs --csv"},
        Usage_row{"FormatWithoutCsv", {"--format", "jsonl"}, "--format needs --csv"},
        Usage_row{"DelimiterTooLong", {"--csv", "-", "--delimiter", ";;"},
                  "--delimiter must be tab or one character other than a double quote or a line break"},
        Usage_row{"DelimiterQuote", {"--csv", "-", "--delimiter", "\""},
                  "--delimiter must be tab or one character other than a double quote or a line break"},
        Usage_row{"DelimiterLineBreak", {"--csv", "-", "--delimiter", "\n"},
                  "--delimiter must be tab or one character other than a double quote or a line break"},
        Usage_row{"UnknownOutputDelimiter", {"--csv", "-", "--output-delimiter", ":"},
                  "--output-delimiter must be one of ',' ';' 'tab', not ':'"},
        Usage_row{"OutputDelimiterWithoutCsv", Four_and({"--output-delimiter", ";"}),
                  "--output-delimiter needs --csv"},
        Usage_row{"UnknownLimitsNamed", Four_and({"--limits", "both"}),
                  "--limits must be one of two-sided|lower|upper, not 'both'"},
        Usage_row{"UnknownFormat", {"--csv", "-", "--format", "json"}, "--format must be one of csv|jsonl"},
        Usage_row{"CsvWithLimits", {"--csv", "-", "--limits", "lower"}, "--csv takes no --limits"},
        Usage_row{"HelpWithAValue", {"--help=x"}, "unknown argument '--help=x'"},
        Usage_row{"JobsWithoutCsv", Four_and({"--jobs", "2"}), "--jobs needs --csv"},
        Usage_row{"NoJobs", {"--csv", "-", "--jobs", "0"}, "--jobs must be a whole number from 1 to 256"},
        Usage_row{"TooManyJobs", {"--csv", "-", "--jobs", "257"}, "--jobs must be a whole number from 1 to 256"},
        Usage_row{"JobsNotWhole", {"--csv", "-", "--jobs", "2.5"}, "--jobs must be a whole number from 1 to 256"},
        Usage_row{"JobsNegative", {"--csv", "-", "--jobs=-2"}, "--jobs must be a whole number from 1 to 256"},
        Usage_row{"EmptyPlotName", Four_and({"--plot", ""}), "--plot needs a file name"},
        Usage_row{"EmptyPlotNameAfterEquals", Four_and({"--plot="}), "--plot needs a file name"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Help_text, ListsEveryOptionLimitsWordColumnAndExitStatus)
{
    // Lines as a user reads them, whole: an option with its value and
    // meaning in their columns, the limits words, the output columns in
    // order, the formula warning, and the first and last exit statuses.
    const std::string help = Help_text();
    for (const char* line : {
             "\n  --sd TEXT                       standard deviation of scores in the control sample\n",
             "\n  --limits two-sided|lower|upper  the credible limits (two-sided unless given)\n",
             "\n  --level P                       credible level in percent, 50 <= P < 100 (95 unless given)\n",
             "\n  --version                       the program's version\n",
             "\nLimits (--limits and the table's limits column, in any case): two-sided lower upper\n",
             "the columns, in any order and case: sd n case_a case_b (required), limits (optional; empty means "
             "two-sided), each once;",
             "Passed-through fields are written as read: a spreadsheet may run one that begins with = + - or @ "
             "as a formula; import the output with its columns as text.\n",
             "\nOutput columns: the input columns in their places, limits when the input has none, then "
             "raw_difference sd_difference df p_one_tailed p_two_tailed effect_size effect_lower effect_upper "
             "percent_estimate percent_lower percent_upper error.\n",
             "(lower: effect_lower and percent_lower; upper: effect_upper and percent_upper);",
             "\nExit status:\n  0\tdone; every table row passed\n  1\tsome table rows were refused",
             "\n  143\ta table run was terminated (SIGTERM) after the rows in hand\n"})
        EXPECT_NE(help.find(line), std::string::npos) << line;
}

}  // namespace
