// The report's lines, character for character, for the worked examples, and
// the rules for the separator, the notes and the input lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Citation.h"
#include "Comparison.h"
#include "Report.h"
#include "Golden_report.h"

namespace {

using Lines = std::vector<std::string>;

const std::string Title = "VORAN.EXE: " + std::string(Paper_title);

const Lines Captions = {
    "Standard deviation of scores in the control sample:",
    "Sample size of the control sample:",
    "Test score for Case A:",
    "Test score for Case B:",
};

// What the user typed and chose, and the values the texts were read as.
struct Typed_inputs {
    Lines Texts;
    Limits Choice;
    std::int32_t N;
    Extended SD, Case_A, Case_B;
};

// The request that "Compute" builds from the typed inputs. Built inside the
// tests, not while the parameter tables are initialised.
Report_request Request(const Typed_inputs& typed)
{
    Report_request request;
    request.Program_title = Title;
    request.Notes_caption = "User's Notes:";
    for (std::size_t i = 0; i < typed.Texts.size(); ++i)
        request.Inputs.push_back({Captions[i], typed.Texts[i]});
    request.Limits_kind = typed.Choice;
    Compare_two_cases(typed.N, typed.Choice == Limits::Two_sided, request.Result, typed.Case_A,
                      typed.Case_B, typed.SD, Default_level);
    return request;
}

Typed_inputs Worked_inputs(Limits choice)
{
    return {{"10", "20", "50", "30"}, choice, 20, 10, 50, 30};
}

Report_request Worked_example(Limits choice = Limits::Two_sided)
{
    return Request(Worked_inputs(choice));
}

// A line's words without its numbers: what stays the same when only the
// inputs change.
std::string Words_of(const std::string& line)
{
    std::string words;
    for (const char c : line)
        if (std::string_view("0123456789.,- ").find(c) == std::string_view::npos)
            words += c;
    return words;
}

// The golden two-sided report with the lines whose numbers a variant changes:
// each given line replaces the one golden line with the same words.
Lines Golden_with(const Lines& changed)
{
    Lines report = Worked_example_report();
    for (const std::string& line : changed) {
        const auto same_words = [&](const std::string& golden) { return Words_of(golden) == Words_of(line); };
        EXPECT_EQ(std::count_if(report.begin(), report.end(), same_words), 1) << "golden lines like " << line;
        const auto old = std::find_if(report.begin(), report.end(), same_words);
        if (old != report.end())
            *old = line;
    }
    return report;
}

TEST(Report_golden, EachKindOfLimitsEqualsItsGoldenFile)
{
    for (const Limits_names& names : Limits_table)
        EXPECT_EQ(Compose_report(Worked_example(names.Value)), Worked_example_report(names.Value))
            << names.Word;
}

struct Report_row {
    std::string Name;
    Typed_inputs Typed;
    Lines Changed;  // the golden two-sided report's lines that differ
};

void PrintTo(const Report_row& row, std::ostream* os) { *os << row.Name; }

class Report_examples : public testing::TestWithParam<Report_row> {};

TEST_P(Report_examples, AreTheGoldenReportWithTheirOwnNumbers)
{
    EXPECT_EQ(Compose_report(Request(GetParam().Typed)), Golden_with(GetParam().Changed));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Report_examples,
    testing::Values(
        Report_row{"ExchangedCases", Typed_inputs{{"10", "20", "30", "50"}, Limits::Two_sided, 20, 10, 30, 50},
                   {" Test score for Case A= 30",
                    " Test score for Case B= 50",
                    " Raw difference between the scores of the two cases (Case A - Case B)  = -20.000",
                    " Effect size (Z-PCC) for difference between the two cases (plus 95% CI) = -1.414  (-1.860 to -0.968)"}},
        Report_row{"TextsEchoedAsTyped", Typed_inputs{{"10", "020", "50", "30."}, Limits::Two_sided, 20, 10, 50, 30},
                   {" Sample size of the control sample= 020",
                    " Test score for Case B= 30."}},
        Report_row{"SmallestSample", Typed_inputs{{"2", "3", "12", "10"}, Limits::Two_sided, 3, 2, 12, 10},
                   {" Standard deviation of scores in the control sample= 2",
                    " Sample size of the control sample= 3",
                    " Test score for Case A= 12",
                    " Test score for Case B= 10",
                    " Raw difference between the scores of the two cases (Case A - Case B)  = 2.000",
                    " Sample estimate of the SD of the difference between the scores of two controls = 2.828",
                    " Bayesian hypothesis test (on   2 df)  - probability that a pair of controls would exhibit a larger ",
                    " One-tailed probability = 0.276393",
                    " Two-tailed probability = 0.552786",
                    " Effect size (Z-PCC) for difference between the two cases (plus 95% CI) = 0.707  (0.113 to 1.358)",
                    " direction as the two cases but are larger in magnitude =    27.6393%",
                    " 95% lower credible limit on the percentage =                 8.7216%",
                    " 95% upper credible limit on the percentage =                45.5209%"}}),
    [](const testing::TestParamInfo<Report_row>& info) { return info.param.Name; });

TEST(Report_separator, OnlyWhenTheResultsAlreadyHoldALine)
{
    Report_request request = Worked_example();
    const Lines first = Compose_report(request);
    request.Results_hold_a_line = true;
    const Lines second = Compose_report(request);

    ASSERT_EQ(second.size(), first.size() + 1);
    EXPECT_EQ(second.front(), std::string(103, '_'));
    EXPECT_EQ(Lines(second.begin() + 1, second.end()), first);
    EXPECT_EQ(first.front(), "");
}

// Only a whole line of exactly the report's width in underscores separates:
// the printed and paged results begin a report at it.
TEST(Report_separator, IsRecognisedOnlyWhole)
{
    const std::string separator(103, '_');
    EXPECT_EQ(Report_separator(), separator);
    EXPECT_TRUE(Is_report_separator(separator));
    for (const std::string& line : {std::string(102, '_'), separator + "_", separator + "\r", " " + separator,
                                    std::string(), std::string(51, '_') + "-" + std::string(51, '_')})
        EXPECT_FALSE(Is_report_separator(line)) << line;
}

struct Notes_row {
    std::string Name;
    Lines Notes;
    Lines Expected;  // the lines between the heading and " INPUTS:"
};

void PrintTo(const Notes_row& row, std::ostream* os) { *os << row.Name; }

class Report_notes : public testing::TestWithParam<Notes_row> {};

TEST_P(Report_notes, FollowTheHeading)
{
    Report_request request = Worked_example();
    request.Notes_lines = GetParam().Notes;
    const Lines report = Compose_report(request);
    const Lines without_notes = Compose_report(Worked_example());

    const Lines golden = Worked_example_report();
    const auto heading_size = std::find(golden.begin(), golden.end(), " INPUTS:") - golden.begin();
    const auto notes_begin = report.begin() + heading_size;
    const auto notes_end = notes_begin + static_cast<std::ptrdiff_t>(GetParam().Expected.size());
    ASSERT_EQ(report.size(), without_notes.size() + GetParam().Expected.size());
    EXPECT_EQ(Lines(notes_begin, notes_end), GetParam().Expected);
    EXPECT_EQ(*notes_end, " INPUTS:");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Report_notes,
    testing::Values(
        Notes_row{"Empty", {}, {}},
        Notes_row{"OneLine", {"Patient pair 7"}, {" User's Notes: Patient pair 7", " "}},
        Notes_row{"ThreeLines",
                  {"first line", "second line", " third, indented"},
                  {" User's Notes: first line", "               second line",
                   "                third, indented", " "}},
        Notes_row{"EmptyLineInside",
                  {"a", "", "b"},
                  {" User's Notes: a", "               ", "               b", " "}}),
    [](const testing::TestParamInfo<Notes_row>& info) { return info.param.Name; });

// Every number, and nothing else, takes the decimal comma.
TEST(Report_decimal_separator, AppliesToEveryNumber)
{
    Report_request request = Worked_example();
    request.Decimal_separator = ',';
    Lines expected = Worked_example_report();
    for (std::string& line : expected)
        for (std::size_t i = 1; i + 1 < line.size(); ++i)
            if (line[i] == '.' && std::isdigit(static_cast<unsigned char>(line[i - 1])) &&
                std::isdigit(static_cast<unsigned char>(line[i + 1])))
                line[i] = ',';
    EXPECT_EQ(Compose_report(request), expected);
}

// The level the comparison was computed at is the level every line states.
TEST(Report_level, EveryLevelLineStatesTheLevelComputed)
{
    for (const Limits limits : {Limits::Two_sided, Limits::Lower, Limits::Upper}) {
        Report_request request = Worked_example(limits);
        request.Level = 90;
        Compare_two_cases(20, limits == Limits::Two_sided, request.Result, 50, 30, 10, 90);
        const Lines report = Compose_report(request);
        int stated = 0;
        for (const std::string& line : report) {
            EXPECT_EQ(line.find("95%"), std::string::npos) << line;
            stated += line.find("90%") != std::string::npos ? 1 : 0;
        }
        EXPECT_EQ(stated, limits == Limits::Two_sided ? 4 : 3) << Names_of(limits).Word;
    }
}

// A level text longer than 95's takes its characters from the blanks
// between "=" and the number, so each number stays in its column. The
// numbers are the worked example's, stated at other levels, so that only the
// level moves.
Lines Worked_example_at_level(Limits limits, Extended level)
{
    Report_request request = Worked_example(limits);
    request.Level = level;
    return Compose_report(request);
}

TEST(Report_level, NumbersKeepTheirColumnsWhateverTheLevel)
{
    const auto number_column = [](const std::string& line) {
        return line.find_first_not_of(' ', line.find('=') + 1);
    };
    for (const Limits limits : {Limits::Two_sided, Limits::Lower, Limits::Upper}) {
        for (const Extended level : {97.5L, 90.0L}) {
            const std::string stated = Level_text(level, '.') + "%";
            const Lines report = Worked_example_at_level(limits, level);
            const Lines golden = Worked_example_report(limits);
            ASSERT_EQ(report.size(), golden.size());
            for (std::size_t i = 0; i < golden.size(); ++i) {
                std::string expected = golden[i];
                if (const auto at = expected.find("95%"); at != std::string::npos)
                    expected.replace(at, 3, stated);
                const std::size_t equals = expected.find('=');
                if (equals == std::string::npos || expected == golden[i]) {
                    EXPECT_EQ(report[i], expected);
                    continue;
                }
                // The two-sided effect size has no blanks to give: its
                // numbers follow the level's sentence.
                const std::string& line = report[i];
                EXPECT_EQ(line.substr(0, equals + 1), expected.substr(0, equals + 1));
                EXPECT_EQ(number_column(line), std::max(number_column(golden[i]), equals + 2)) << line;
                EXPECT_EQ(line.substr(number_column(line)), golden[i].substr(number_column(golden[i])));
            }
        }
    }
}

// Where the level text is longer than the blanks after "=", one blank stays
// and the line grows by the rest.
TEST(Report_level, ALongLevelLeavesOneBlankBeforeTheNumber)
{
    const Lines two_sided = Worked_example_at_level(Limits::Two_sided, 99.9999995L);
    const Lines lower = Worked_example_at_level(Limits::Lower, 99.9999995L);
    const auto holds = [](const Lines& report, const std::string& line) {
        return std::find(report.begin(), report.end(), line) != report.end();
    };
    EXPECT_TRUE(holds(two_sided, " Effect size (Z-PCC) for difference between the two cases (plus 99.9999995% CI) = "
                                 "1.414  (0.968 to 1.860)"));
    EXPECT_TRUE(holds(two_sided, " 99.9999995% lower credible limit on the percentage =         3.1471%"));
    EXPECT_TRUE(holds(two_sided, " 99.9999995% upper credible limit on the percentage =        16.6457%"));
    EXPECT_TRUE(holds(lower, " 99.9999995% (one-sided) lower credible limit on the effect size = 1.032 "));
    EXPECT_TRUE(holds(lower, " 99.9999995% (one-sided) lower credible limit on the percentage =   3.7432%"));
}

TEST(Report_level, TextHasTheDecimalsItNeeds)
{
    const struct {
        Extended Level;
        char Separator;
        std::string Expected;
    } rows[] = {
        {95, '.', "95"}, {90, ',', "90"}, {97.5L, '.', "97.5"}, {97.5L, ',', "97,5"},
        {99.9, '.', "99.9"}, {50, '.', "50"}, {99.999, '.', "99.999"},
        // Levels are read as doubles; their every digit is stated, none
        // rounded away into a level the tool refuses or another one.
        {99.9999995, '.', "99.9999995"}, {99.9999995, ',', "99,9999995"},
        {50.00000001, '.', "50.00000001"}, {97.123456789, '.', "97.123456789"},
        {99.99999999999999, '.', "99.99999999999999"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Level_text(row.Level, row.Separator), row.Expected);
}

struct Input_line_row {
    std::string Name, Caption, Text, Expected;
};

void PrintTo(const Input_line_row& row, std::ostream* os) { *os << row.Name; }

class Input_lines : public testing::TestWithParam<Input_line_row> {};

TEST_P(Input_lines, CaptionUpToLastColonThenText)
{
    EXPECT_EQ(Format_input_line(GetParam().Caption, GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Input_lines,
    testing::Values(
        Input_line_row{"Plain", "Test score for Case A:", "50", " Test score for Case A= 50"},
        Input_line_row{"CaptionBlanksTrimmed", "  Test score:  ", "1", " Test score= 1"},
        Input_line_row{"LastColonCounts", "Ratio a:b:", "3", " Ratio a:b= 3"},
        Input_line_row{"TextAfterLastColonDropped", "Score: raw", "3", " Score= 3"},
        Input_line_row{"TextNotTrimmed", "N:", " 20. ", " N=  20. "},
        Input_line_row{"EmptyText", "N:", "", " N= "},
        Input_line_row{"NoColonKeepsCaption", "Score", "4", " Score= 4"},
        Input_line_row{"BlankCaption", "   ", "4", " = 4"}),
    [](const testing::TestParamInfo<Input_line_row>& info) { return info.param.Name; });

}  // namespace

namespace {

TEST(Report_citation, TwoLinesEachAfterOneBlankHoldTheWholeTitle)
{
    for (const std::string_view line : {Citation_line_1, Citation_line_2}) {
        ASSERT_GE(line.size(), 2u);
        EXPECT_EQ(line[0], ' ');
        EXPECT_NE(line[1], ' ');
    }
    const std::string title_across_lines =
        std::string(Citation_line_1.substr(Citation_line_1.find('"') + 1)) + " " +
        std::string(Citation_line_2.substr(1, Citation_line_2.find('"') - 1));
    EXPECT_EQ(title_across_lines, Paper_title);
    EXPECT_NE(Citation_sentence.find(Paper_title), std::string_view::npos);
}

}  // namespace
