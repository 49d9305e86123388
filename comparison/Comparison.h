// The Bayesian comparison of two single cases against a control sample.
//
// The caller reads and checks the inputs (SD > 0, N a whole number above 2)
// and passes them in; Compare_two_cases fills one Comparison_result, keeps no
// state between calls and creates and releases its own three distributions
// (a table's rows share theirs through a Comparison_memo, Comparison_memo.h).
// Every number that any output prints (the report, a table row, a picture)
// is taken from that one record.
#pragma once

#include <array>
#include <cstdint>

#include "Extended.h"
#include "Limits.h"

// The credible level in percent unless the user asks for another; the
// desktop program's worksheet always uses it.
inline constexpr Extended Default_level = 95;

// One comparison as the user asked for it: the checked inputs, the kind of
// credible limits and the credible level in percent.
struct Comparison_request {
    double SD = 0;
    std::int32_t N = 0;
    double Case_A = 0;
    double Case_B = 0;
    Limits Limits_kind = Limits::Two_sided;
    Extended Level = Default_level;
};

// The numbers that one comparison yields.
struct Comparison_result {
    Extended Raw_difference = 0;    // d = Case A - Case B
    Extended Sd_difference = 0;     // sqrt(2 SD^2): SD of the difference of two controls
    Extended Test_statistic = 0;    // d / sqrt(2 SD^2)
    Extended Df = 0;                // N - 1
    Extended P_one_tailed = 0;      // t tail beyond Test_statistic on its side
    Extended P_two_tailed = 0;      // 2 P_one_tailed
    Extended Percent_estimate = 0;  // 100 P_one_tailed
    Extended Percent_lower = 0;     // credible limits on that percentage
    Extended Percent_upper = 0;
    Extended Effect_size = 0;       // Z-PCC; the same value as Test_statistic
    Extended Effect_lower = 0;      // credible limits on the effect size
    Extended Effect_upper = 0;
};

// Every number of the record, in its order, for whatever must miss none of
// them (the tests that compare two records); a number added to the record
// and not here fails to compile.
inline constexpr std::array<Extended Comparison_result::*, 12> Comparison_result_fields = {
    &Comparison_result::Raw_difference,   &Comparison_result::Sd_difference, &Comparison_result::Test_statistic,
    &Comparison_result::Df,               &Comparison_result::P_one_tailed,  &Comparison_result::P_two_tailed,
    &Comparison_result::Percent_estimate, &Comparison_result::Percent_lower, &Comparison_result::Percent_upper,
    &Comparison_result::Effect_size,      &Comparison_result::Effect_lower,  &Comparison_result::Effect_upper,
};
static_assert(sizeof(Comparison_result) == Comparison_result_fields.size() * sizeof(Extended),
              "every number of Comparison_result is listed in Comparison_result_fields");

// N controls (N > 2), two-sided interval or one-sided limits, the record to
// fill, the two case scores, the controls' SD (> 0) and the credible level in
// percent. Exceptions of the distributions pass through unchanged; the record
// is then partly filled.
void Compare_two_cases(std::int32_t N, bool Two_sided, Comparison_result& result,
                       Extended Case_A, Extended Case_B, Extended SD, Extended Level);

// The same for a request.
Comparison_result Compare_two_cases(const Comparison_request& request);

// The degrees of freedom of a control sample of N: N - 1.
inline Extended Degrees_of_freedom(std::int32_t N) { return static_cast<Extended>(N) - 1.0L; }
