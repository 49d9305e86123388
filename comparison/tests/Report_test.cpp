// The report's lines, character for character, for the worked examples, and
// the rules for the separator, the notes and the input lines.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "Citation.h"
#include "Comparison.h"
#include "Report.h"
#include "Golden_report.h"

namespace {

using Lines = std::vector<std::string>;

const std::string Title =
    "VORAN.EXE: Bayesian inferential methods for comparing the scores of two single-cases in "
    "case-controls designs";

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
                      typed.Case_B, typed.SD, 95);
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

const Lines Heading = {
    "",
    Title,
    "",
    " THIS PROGRAM WAS WRITTEN TO ACCOMPANY THE FOLLOWING PAPER:",
    std::string(Citation_line_1),
    std::string(Citation_line_2),
    "",
};

// The report from its INPUTS line on, with the three lines that depend on
// the choice (effect size, percentage limits) passed in.
Lines From_inputs(const Lines& inputs, const std::string& choice_line,
                  const std::string& raw_difference, const std::string& sd_difference,
                  const std::string& df, const std::string& p_one, const std::string& p_two,
                  const Lines& effect_lines, const std::string& percent_estimate,
                  const Lines& percent_lines)
{
    Lines lines = {" INPUTS:"};
    lines.insert(lines.end(), inputs.begin(), inputs.end());
    const Lines middle = {
        "",
        choice_line,
        "",
        "",
        " OUTPUTS:",
        " Raw difference between the scores of the two cases (Case A - Case B)  = " + raw_difference,
        " Sample estimate of the SD of the difference between the scores of two controls = " +
            sd_difference,
        "",
        " Bayesian hypothesis test (on " + df +
            " df)  - probability that a pair of controls would exhibit a larger ",
        " difference than that observed for the two cases:",
        " One-tailed probability = " + p_one,
        " Two-tailed probability = " + p_two,
        " (Note: The above p values test whether the null hypothesis (that the difference between cases is an",
        " observation from the distribution of pairs of differences in the control population) can be rejected.)",
        "",
    };
    lines.insert(lines.end(), middle.begin(), middle.end());
    lines.insert(lines.end(), effect_lines.begin(), effect_lines.end());
    lines.push_back("");
    lines.push_back(
        " Bayesian point estimate of the percentage of pairs of controls with differences that are in the same");
    lines.push_back(" direction as the two cases but are larger in magnitude =   " + percent_estimate);
    lines.insert(lines.end(), percent_lines.begin(), percent_lines.end());
    lines.push_back("");
    return lines;
}

const Lines Example_inputs = {
    " Standard deviation of scores in the control sample= 10",
    " Sample size of the control sample= 20",
    " Test score for Case A= 50",
    " Test score for Case B= 30",
};

Lines Example_lines(const std::string& choice_line, const Lines& effect_lines,
                    const Lines& percent_lines, const Lines& inputs = Example_inputs,
                    const std::string& raw_difference = "20.000")
{
    return From_inputs(inputs, choice_line, raw_difference, "14.142", " 19", "0.086739",
                       "0.173477", effect_lines, "  8.6739%", percent_lines);
}

Lines Tail_from_inputs(const Lines& report)
{
    for (std::size_t i = 0; i < report.size(); ++i)
        if (report[i] == " INPUTS:")
            return Lines(report.begin() + static_cast<std::ptrdiff_t>(i), report.end());
    return {};
}

struct Report_row {
    std::string Name;
    Typed_inputs Typed;
    Lines Expected_from_inputs;
};

void PrintTo(const Report_row& row, std::ostream* os) { *os << row.Name; }

class Report_examples : public testing::TestWithParam<Report_row> {};

TEST_P(Report_examples, LinesMatchCharacterForCharacter)
{
    const Report_row& row = GetParam();
    const Lines report = Compose_report(Request(row.Typed));
    const Lines heading(report.begin(),
                        report.begin() + std::min(report.size(), Heading.size()));
    EXPECT_EQ(heading, Heading);
    EXPECT_EQ(report.size(), Heading.size() + row.Expected_from_inputs.size());
    const Lines tail = Tail_from_inputs(report);
    ASSERT_EQ(tail.size(), row.Expected_from_inputs.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        EXPECT_EQ(tail[i], row.Expected_from_inputs[i]) << "line " << i << " after INPUTS";
}

const std::string Two_sided_choice = " Credible limit required: 95% two-sided limit";
const std::string Effect_one_sided = " Effect size (Z-PCC) for difference between the two cases =   1.414 ";

INSTANTIATE_TEST_SUITE_P(
    Examples, Report_examples,
    testing::Values(
        Report_row{"TwoSided", Worked_inputs(Limits::Two_sided),
                   Example_lines(Two_sided_choice,
                                 {" Effect size (Z-PCC) for difference between the two cases (plus 95% CI) = 1.414  (0.968 to 1.860)"},
                                 {" 95% lower credible limit on the percentage =                 3.1471%",
                                  " 95% upper credible limit on the percentage =                16.6457%"})},
        Report_row{"OneSidedLower", Worked_inputs(Limits::Lower),
                   Example_lines(" Credible limit required: 95% one-sided lower limit",
                                 {Effect_one_sided,
                                  " 95% (one-sided) lower credible limit on the effect size =    1.032 "},
                                 {" 95% (one-sided) lower credible limit on the percentage =     3.7432%"})},
        Report_row{"OneSidedUpper", Worked_inputs(Limits::Upper),
                   Example_lines(" Credible limit required: 95% one-sided upper limit",
                                 {Effect_one_sided,
                                  " 95% (one-sided) upper credible limit on the effect size =    1.781 "},
                                 {" 95% (one-sided) upper credible limit on the percentage =    15.1045%"})},
        Report_row{"ExchangedCases", Typed_inputs{{"10", "20", "30", "50"}, Limits::Two_sided, 20, 10, 30, 50},
                   Example_lines(Two_sided_choice,
                                 {" Effect size (Z-PCC) for difference between the two cases (plus 95% CI) = -1.414  (-1.860 to -0.968)"},
                                 {" 95% lower credible limit on the percentage =                 3.1471%",
                                  " 95% upper credible limit on the percentage =                16.6457%"},
                                 {" Standard deviation of scores in the control sample= 10",
                                  " Sample size of the control sample= 20",
                                  " Test score for Case A= 30",
                                  " Test score for Case B= 50"},
                                 "-20.000")},
        Report_row{"TextsEchoedAsTyped", Typed_inputs{{"10", "020", "50", "30."}, Limits::Two_sided, 20, 10, 50, 30},
                   Example_lines(Two_sided_choice,
                                 {" Effect size (Z-PCC) for difference between the two cases (plus 95% CI) = 1.414  (0.968 to 1.860)"},
                                 {" 95% lower credible limit on the percentage =                 3.1471%",
                                  " 95% upper credible limit on the percentage =                16.6457%"},
                                 {" Standard deviation of scores in the control sample= 10",
                                  " Sample size of the control sample= 020",
                                  " Test score for Case A= 50",
                                  " Test score for Case B= 30."})},
        Report_row{"SmallestSample", Typed_inputs{{"2", "3", "12", "10"}, Limits::Two_sided, 3, 2, 12, 10},
                   From_inputs({" Standard deviation of scores in the control sample= 2",
                                " Sample size of the control sample= 3",
                                " Test score for Case A= 12",
                                " Test score for Case B= 10"},
                               Two_sided_choice, "2.000", "2.828", "  2", "0.276393", "0.552786",
                               {" Effect size (Z-PCC) for difference between the two cases (plus 95% CI) = 0.707  (0.113 to 1.358)"},
                               " 27.6393%",
                               {" 95% lower credible limit on the percentage =                 8.7216%",
                                " 95% upper credible limit on the percentage =                45.5209%"})}),
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

    const auto notes_begin = report.begin() + static_cast<std::ptrdiff_t>(Heading.size());
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

TEST(Report_decimal_separator, AppliesToEveryNumber)
{
    Report_request request = Worked_example();
    request.Decimal_separator = ',';
    const Lines report = Tail_from_inputs(Compose_report(request));
    const Lines expected = From_inputs(
        Example_inputs, Two_sided_choice, "20,000", "14,142", " 19", "0,086739", "0,173477",
        {" Effect size (Z-PCC) for difference between the two cases (plus 95% CI) = 1,414  (0,968 to 1,860)"},
        "  8,6739%",
        {" 95% lower credible limit on the percentage =                 3,1471%",
         " 95% upper credible limit on the percentage =                16,6457%"});
    EXPECT_EQ(report, expected);
}

TEST(Report_golden, WorkedExampleEqualsTheGoldenFile)
{
    EXPECT_EQ(Compose_report(Worked_example()), Worked_example_report());
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
