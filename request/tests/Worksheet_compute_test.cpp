// The worksheet's "Compute" without its windows: a refusal names its field
// and keeps nothing; entries that pass keep the control data once, before
// the comparison, and give the report's lines and the comparison behind them.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "Golden_report.h"
#include "Worksheet_compute.h"

namespace {

const std::string Rule_of_103(103, '_');

std::vector<std::string> After_a_rule(std::vector<std::string> lines)
{
    lines.insert(lines.begin(), Rule_of_103);
    return lines;
}

TEST(Worksheet_compute, RefusesWithItsFieldOrKeepsTheControlDataAndReports)
{
    struct Row {
        const char* Name;
        Comparison_texts Texts;
        Limits Limits_kind;
        bool Results_hold_a_line;
        std::optional<Input_field> Refused;
        std::vector<std::string> Lines;
    };
    const Row rows[] = {
        {"two_sided_into_empty_results", {"10", "20", "50", "30"}, Limits::Two_sided, false, {},
         Worked_example_report(Limits::Two_sided)},
        {"lower_after_a_report", {"10", "20", "50", "30"}, Limits::Lower, true, {},
         After_a_rule(Worked_example_report(Limits::Lower))},
        {"upper", {"10", "20", "50", "30"}, Limits::Upper, false, {}, Worked_example_report(Limits::Upper)},
        {"empty_sd_before_every_other_field", {"", "x", "", ""}, Limits::Two_sided, false, Input_field::SD, {}},
        {"sample_size_of_two", {"10", "2", "50", "30"}, Limits::Two_sided, false, Input_field::N, {}},
        {"case_b_not_a_number", {"10", "20", "50", "-"}, Limits::Two_sided, true, Input_field::Case_B, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        int kept = 0;
        const Worksheet_outcome outcome = Compute_on_worksheet(
            {.Texts = row.Texts, .Limits_kind = row.Limits_kind, .Results_hold_a_line = row.Results_hold_a_line},
            [&kept] { ++kept; });
        if (row.Refused) {
            const auto* refusal = std::get_if<Input_refusal>(&outcome);
            ASSERT_NE(refusal, nullptr);
            EXPECT_EQ(refusal->Field, *row.Refused);
            EXPECT_NE(refusal->Message, "");
            EXPECT_EQ(kept, 0);
            continue;
        }
        const auto* report = std::get_if<Worksheet_report>(&outcome);
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(kept, 1);
        EXPECT_EQ(report->Lines, row.Lines);
        EXPECT_EQ(report->Request.N, 20);
        EXPECT_EQ(report->Request.Limits_kind, row.Limits_kind);
        EXPECT_EQ(report->Result.Effect_size, Compare_two_cases(report->Request).Effect_size);
    }
}

// Keeping the control data comes before the comparison: a comparison that
// fails at extreme inputs leaves them kept, and a file that cannot be
// written ends the request before the comparison, with no report.
TEST(Worksheet_compute, TheControlDataAreKeptBeforeTheComparisonRuns)
{
    int kept = 0;
    EXPECT_ANY_THROW(Compute_on_worksheet({.Texts = {"1", "2147483647", "1", "0"}}, [&kept] { ++kept; }));
    EXPECT_EQ(kept, 1);

    const auto fail = [] { throw std::runtime_error("cannot write"); };
    EXPECT_THROW(Compute_on_worksheet({.Texts = {"10", "20", "50", "30"}}, fail), std::runtime_error);
}

}  // namespace
