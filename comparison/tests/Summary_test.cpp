// The summary: the worked example in every language and kind of limits
// against its golden file, and the rules by which its numbers are rounded
// once from the comparison's full values.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Golden_report.h"
#include "Summary.h"
#include "distrib.h"

namespace {

Comparison_request Worked_request(Limits limits = Limits::Two_sided)
{
    Comparison_request request;
    request.SD = 10;
    request.N = 20;
    request.Case_A = 50;
    request.Case_B = 30;
    request.Limits_kind = limits;
    return request;
}

std::string Printed(const Summary& summary)
{
    return summary.Sentences + "\n" + summary.Statistics + "\n";
}

TEST(Summary, Worked_example_in_every_language_matches_its_golden_file)
{
    for (const Summary_words& words : Summary_languages)
        for (const Limits_names& limits : Limits_table) {
            const Comparison_request request = Worked_request(limits.Value);
            EXPECT_EQ(Printed(Compose_summary(request, Compare_two_cases(request), words.Language)),
                      Worked_example_summary_text(words.Language, limits.Value))
                << words.Word << " " << limits.Word;
        }
}

// A row changes the worked example's request or result and names a text the
// summary must hold.
struct Rounding_row {
    const char* Name;
    std::function<void(Comparison_request&, Comparison_result&)> Change;
    Summary_language Language;
    std::string Expected;
};

void Set_p(Comparison_result& r, Extended p)
{
    r.P_one_tailed = p;
    r.P_two_tailed = 2 * p;
}

TEST(Summary, Numbers_are_rounded_once_from_their_full_values)
{
    const auto english = Summary_language::English;
    const Rounding_row rows[] = {
        {"p of .0005 is below .001", [](auto&, auto& r) { Set_p(r, 0.0005L); }, english, "one-tailed p < .001, two-tailed p = .001;"},
        {"p just below .001", [](auto&, auto& r) { Set_p(r, 0.00099999L); }, english, "one-tailed p < .001,"},
        {"p of .0015 rounds up", [](auto&, auto& r) { Set_p(r, 0.0015L); }, english, "one-tailed p = .002, two-tailed p = .003;"},
        {"a tie rounds away from zero", [](auto&, auto& r) { r.Effect_size = 0.125L; }, english, "Z-PCC = 0.13,"},
        {"p rounded from its value, not the report's .086500",
         [](auto&, auto& r) { Set_p(r, 0.08649996L); }, english, "one-tailed p = .086,"},
        {"p near 1 is not written as 1", [](auto&, auto& r) { r.P_two_tailed = 0.9996L; }, english, "two-tailed p > .999;"},
        {"German p with a decimal comma", [](auto&, auto& r) { Set_p(r, 0.0005L); }, Summary_language::German,
         "einseitiges p < ,001, zweiseitiges p = ,001;"},
        {"percentage rounded from its value, not the report's 8.6750",
         [](auto&, auto& r) { r.Percent_estimate = 8.67496L; }, english, "An estimated 8.67% of pairs"},
        {"a tiny percentage is not written as zero", [](auto&, auto& r) { r.Percent_lower = 0.004L; }, english,
         "95% CrI [< 0.01%, 16.65%]"},
        {"effect size rounded from its value, not the report's 1.415",
         [](auto&, auto& r) { r.Effect_size = 1.41496L; }, english, "Z-PCC = 1.41,"},
        {"Dutch percentage and limits", [](auto&, auto&) {}, Summary_language::Dutch,
         "percentage controleparen 8,67%, 95%-GI [3,15%; 16,65%]"},
        {"level other than 95", [](auto& q, auto&) { q.Level = 97.5L; }, english, "97.5% credible interval 0.97 to 1.86"},
        {"a tiny difference is not written as zero",
         [](auto& q, auto& r) { q.Case_A = 30.001; r.Raw_difference = 0.001L; }, english,
         "Case A scored < 0.01 points higher than Case B (30.001 and 30)."},
    };
    for (const Rounding_row& row : rows) {
        Comparison_request request = Worked_request();
        Comparison_result result = Compare_two_cases(request);
        row.Change(request, result);
        const Summary summary = Compose_summary(request, result, row.Language);
        EXPECT_NE(Printed(summary).find(row.Expected), std::string::npos) << row.Name << "\n" << Printed(summary);
    }
}

// Rows computed for real: a negative and a zero difference, and the clause on
// the normal distribution, which the t distribution becomes above 1000 df.
struct Computed_row {
    const char* Name;
    std::int32_t N;
    double Case_A, Case_B;
    std::string Sentences_hold;
    std::string Statistics_hold;
};

TEST(Summary, Negative_and_zero_differences_and_the_normal_clause)
{
    const Computed_row rows[] = {
        {"negative difference", 20, 30, 50,
         "Case A scored 20.00 points lower than Case B (30 and 50). An estimated 8.67% of pairs",
         "Z-PCC = -1.41, 95% CrI [-1.86, -0.97]; percentage of control pairs 8.67%, 95% CrI [3.15%, 16.65%]"},
        {"zero difference", 20, 50, 50,
         "Case A and Case B scored the same (50). The effect size is Z-PCC = 0.00 (95% credible interval 0.00 to "
         "0.00), with a control sample of N = 20.",
         "one-tailed p = .500, two-tailed p = 1.000; Z-PCC = 0.00, 95% CrI [0.00, 0.00]; percentage of control "
         "pairs 50.00%, 95% CrI [50.00%, 50.00%]; N = 20."},
        {"1000 df: t distribution", 1001, 50, 30, "N = 1001.", "two-tailed p = .158; Z-PCC"},
        {"1001 df: normal", 1002, 50, 30, "N = 1002. With more than 1000 degrees of freedom, the p values use",
         "two-tailed p = .157 (normal approximation, df > 1000); Z-PCC"},
    };
    for (const Computed_row& row : rows) {
        Comparison_request request = Worked_request();
        request.N = row.N;
        request.Case_A = row.Case_A;
        request.Case_B = row.Case_B;
        const Summary summary = Compose_summary(request, Compare_two_cases(request), Summary_language::English);
        EXPECT_NE(summary.Sentences.find(row.Sentences_hold), std::string::npos) << row.Name << "\n" << summary.Sentences;
        EXPECT_NE(summary.Statistics.find(row.Statistics_hold), std::string::npos) << row.Name << "\n" << summary.Statistics;
        const bool normal = row.N - 1 > T_normal_above_df;
        EXPECT_EQ(summary.Sentences.find("normal") != std::string::npos, normal) << row.Name;
        EXPECT_EQ(summary.Statistics.find("normal") != std::string::npos, normal) << row.Name;
    }
}

TEST(Summary, Key_figures_carry_the_summarys_numbers)
{
    const Comparison_request request = Worked_request();
    const std::vector<Key_figure> figures = Key_figures(request, Compare_two_cases(request), Summary_language::German);
    ASSERT_EQ(figures.size(), 5u);
    EXPECT_EQ(figures[0].Value, "20,00");
    EXPECT_EQ(figures[1].Value, ",087");
    EXPECT_EQ(figures[2].Value, ",173");
    EXPECT_EQ(figures[3].Value + " " + figures[3].Limits, "8,67\u00a0% 95-%-KrI [3,15\u00a0%; 16,65\u00a0%]");
    EXPECT_EQ(figures[4].Value + " " + figures[4].Limits, "1,41 95-%-KrI [0,97; 1,86]");
}

TEST(Summary, Language_proposed_from_a_locale)
{
    const struct {
        const char* Locale;
        Summary_language Expected;
    } rows[] = {
        {"de_AT.UTF-8", Summary_language::German}, {"fr-CA", Summary_language::French},
        {"nl", Summary_language::Dutch},           {"IT", Summary_language::Italian},
        {"es_ES@euro", Summary_language::Spanish}, {"pt_BR", Summary_language::English},
        {"C", Summary_language::English},          {"", Summary_language::English},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Summary_language_for_locale(row.Locale), row.Expected) << row.Locale;
}

}  // namespace
