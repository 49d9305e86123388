// The Bayesian comparison of two single cases against a control sample.
#pragma once

#include <cstdint>

#include "distrib.h"

// The ten numbers that one comparison yields, in report order of definition.
struct Comparison_result {
    Extended Test_statistic = 0;
    Extended Df = 0;
    Extended P_one_tailed = 0;
    Extended P_two_tailed = 0;
    Extended Percent_estimate = 0;
    Extended Percent_lower = 0;
    Extended Percent_upper = 0;
    Extended Effect_size = 0;
    Extended Effect_lower = 0;
    Extended Effect_upper = 0;
};

// N controls (N > 2), two-sided interval or one-sided limits, the record to
// fill, the two case scores, the controls' SD (> 0) and the credible level in
// percent.
void Compare_two_cases(std::int32_t N, bool Two_sided, Comparison_result& result,
                       Extended Case_A, Extended Case_B, Extended SD, Extended Level);
