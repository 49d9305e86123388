#include "Page_compute.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Golden_report.h"
#include "Worked_example_input.h"
#include "Kept_control_data.h"
#include "Page_worksheet.h"
#include "Plot_image_file.h"
#include "Plot_svg.h"
#include "Print_blocks.h"
#include "Results_file.h"

namespace {

const std::string Rule_of_103(103, '_');

TEST(Page_compute, TheWorkedExampleGivesTheGoldenReport)
{
    const Compute_outcome outcome = Compute(Worked_example());
    EXPECT_EQ(outcome.Refused_field, -1);
    EXPECT_EQ(outcome.Error, "");
    EXPECT_EQ(outcome.Addition, Worked_example_report_text());
    EXPECT_EQ(outcome.Control_data, "10 20       ");
}

// The browser's storage, which other pages opened from the same place may
// read, keeps SD and N only: never a case's score, a note or a result. What
// an earlier page kept with the scores is kept again without them.
TEST(Page_compute, KeepsSdAndNOnly)
{
    Compute_input input;
    input.Texts = {"12.5", "31", "88", "61"};
    input.Notes = "J. D., seen 3 May";
    input.Results = Worked_example_report_text();
    const Compute_outcome outcome = Compute(input);
    EXPECT_EQ(outcome.Control_data, "12.5 31       ");
    for (const char* never : {"88", "61", "J. D.", "Case"})
        EXPECT_EQ(outcome.Control_data.find(never), std::string::npos) << never;
    const Restored_fields restored = Restore_control_data(outcome.Control_data);
    EXPECT_EQ(restored.SD, "12.5");
    EXPECT_EQ(restored.N, "31");
    EXPECT_EQ(restored.Error, "");

    const Restored_fields earlier = Restore_control_data("12.5 31 88 61     ");
    EXPECT_EQ(Kept_text(earlier.SD, earlier.N), "12.5 31       ");
}

TEST(Page_compute, ThePlotIsTheComparisonsPictureAtTheSizeAsked)
{
    Page_worksheet worksheet;
    worksheet.Compute(Worked_example());
    const Page_plot plot = worksheet.Plot(640, 400);
    EXPECT_EQ(plot.Svg.rfind("<?xml", 0), 0u) << plot.Svg.substr(0, 80);
    EXPECT_NE(plot.Svg.find("viewBox=\"0 0 640 400\""), std::string::npos) << plot.Svg.substr(0, 300);
    EXPECT_NE(plot.Svg.find("8.6739%"), std::string::npos);  // in its description
    EXPECT_EQ(plot.Error, "");
}

// The plot draws the comparison that the last report came from, not the
// fields as they stand when the page asks for it: a refused Compute keeps
// the picture before it, and there is none before the first report.
TEST(Page_compute, ThePlotIsOfTheLastReportedComparison)
{
    Page_worksheet worksheet;
    EXPECT_EQ(worksheet.Plot(640, 400).Svg, "");
    EXPECT_EQ(worksheet.Plot(640, 400).Error, "");

    const Compute_outcome first = worksheet.Compute(Worked_example());
    ASSERT_TRUE(first.Comparison.has_value());
    const Comparison_request& request = first.Comparison->Request;
    EXPECT_EQ(worksheet.Plot(640, 400).Svg,
              Plot_svg(Program_plot_subject(request, Compare_two_cases(request), '.'), 640, 400));

    Compute_input refused = Worked_example();
    refused.Texts.N = "2";
    EXPECT_FALSE(worksheet.Compute(refused).Comparison.has_value());
    EXPECT_EQ(worksheet.Plot(640, 400).Svg, Plot_of(*first.Comparison, 640, 400).Svg);

    Compute_input other = Worked_example();
    other.Texts.Case_B = "45";
    other.Limits_item = 1;
    const Compute_outcome second = worksheet.Compute(other);
    ASSERT_TRUE(second.Comparison.has_value());
    EXPECT_EQ(second.Comparison->Request.Case_B, 45);
    EXPECT_EQ(second.Comparison->Request.Limits_kind, Limits::Lower);
    EXPECT_EQ(worksheet.Plot(640, 400).Svg, Plot_of(*second.Comparison, 640, 400).Svg);
    EXPECT_NE(worksheet.Plot(640, 400).Svg, Plot_of(*first.Comparison, 640, 400).Svg);
}

TEST(Page_compute, ASecondReportFollowsASeparatorAndTypedTextKeepsItsLine)
{
    Compute_input input = Worked_example();
    input.Results = Worked_example_report_text();
    EXPECT_EQ(Compute(input).Addition, Rule_of_103 + "\n" + Worked_example_report_text());

    input.Results += "typed by the user";
    EXPECT_EQ(Compute(input).Addition, "\n" + Rule_of_103 + "\n" + Worked_example_report_text());
}

TEST(Page_compute, TheFirstRefusalNamesItsFieldWithTheWorksheetsWordsAndKeepsNothing)
{
    struct Row {
        const char* Name;
        Comparison_texts Texts;
        int Field;
        std::string Warning;
    };
    const Row rows[] = {
        {"empty_sd_first", {"", "", "", ""}, 0,
         "INPUT ERROR\n\n(  Standard deviation of scores in the control sample:  )\n\n"
         "Data have not been entered in this field."},
        {"sample_size_of_two", {"10", "2", "", ""}, 1,
         "INPUT ERROR\n(  Sample size of the control sample:  2.000  )\n"
         "The value for sample size must be an integer greater than 2."},
        {"empty_case_a", {"10", "20", "", "30"}, 2,
         "INPUT ERROR\n\n(  Test score for Case A:  )\n\nData have not been entered in this field."},
        {"pasted_comma_in_case_b", {"10", "20", "50", "3,5"}, 3,
         "INPUT ERROR\n(  Test score for Case B:  3,5  )\n\nEnter numeric data only."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Compute_input input;
        input.Texts = row.Texts;
        const Compute_outcome outcome = Compute(input);
        EXPECT_EQ(outcome.Refused_field, row.Field);
        EXPECT_EQ(outcome.Warning, row.Warning);
        EXPECT_EQ(outcome.Control_data, "");
        EXPECT_EQ(outcome.Addition, "");
    }
}

TEST(Page_compute, RefusedValuesAndReportNumbersUseTheBrowsersSeparator)
{
    Compute_input input;
    input.Texts = {"-2", "20", "50", "30"};
    input.Decimal_separator = ',';
    EXPECT_NE(Compute(input).Warning.find("-2,000"), std::string::npos);

    input = Worked_example();
    input.Decimal_separator = ',';
    EXPECT_NE(Compute(input).Addition.find(" = 20,000\n"), std::string::npos);
}

TEST(Page_compute, NotesLinesAsTheReportListsThem)
{
    struct Row {
        const char* Name;
        std::string Notes;
        std::vector<std::string> Lines;
    };
    const Row rows[] = {
        {"empty_field_gives_none", "", {}},
        {"one_line", "first", {"first"}},
        {"a_final_break_opens_no_line", "first\n", {"first"}},
        {"three_lines", "a\nb\nc", {"a", "b", "c"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(Notes_field_lines(row.Notes), row.Lines);
    }
    Compute_input input = Worked_example();
    input.Notes = "a\nb";
    const std::string addition = Compute(input).Addition;
    EXPECT_NE(addition.find("\n User's Notes: a\n               b\n \n INPUTS:\n"), std::string::npos);
}

TEST(Page_compute, TheSavedFileEndsEveryLineInCrLf)
{
    EXPECT_EQ(Results_file_contents(""), "");
    EXPECT_EQ(Results_file_contents("a\n\nb\n"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(Results_file_contents("typed"), "typed\r\n");
}

TEST(Page_compute, KeptControlDataComeBackAsTheWorksheetRestoresThem)
{
    const Restored_fields saved = Restore_control_data("15.5 20 45 52     ");
    EXPECT_EQ(saved.SD, "15.5");
    EXPECT_EQ(saved.N, "20");
    EXPECT_EQ(saved.Error, "");

    const Restored_fields formatted = Restore_control_data(".5 20. ");
    EXPECT_EQ(formatted.SD, "0.5");
    EXPECT_EQ(formatted.N, "20");

    const Restored_fields broken = Restore_control_data("12 x");
    EXPECT_EQ(broken.SD, "12");
    EXPECT_EQ(broken.N, "");
    EXPECT_EQ(broken.Error, "Invalid numeric input.");

    // A number text longer than the reader keeps is damaged, not two numbers.
    const Restored_fields damaged = Restore_control_data(std::string(400, '9') + " 20 ");
    EXPECT_EQ(damaged.SD, "");
    EXPECT_EQ(damaged.N, "");
    EXPECT_EQ(damaged.Error, "Invalid numeric input.");
}

}  // namespace

namespace {

TEST(Page_compute, EachReportAfterTheFirstPrintsAsABlockWithItsSeparator)
{
    const std::string report = Worked_example_report_text();
    const std::string text = "typed\n" + report + Rule_of_103 + "\n" + report;
    const std::vector<std::string> blocks = Print_blocks(text);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0], "typed\n" + report);
    EXPECT_EQ(blocks[1], Rule_of_103 + "\n" + report);
    EXPECT_EQ(Print_blocks(Rule_of_103 + "\n").size(), 1u);
}

}  // namespace
