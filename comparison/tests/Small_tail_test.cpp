// Small probabilities of Compare_two_cases keep their digits, and exchanging
// Case A and Case B gives the same probabilities and percentages.
//
// Reference p: the t tail on N − 1 degrees of freedom (above 1000 the
// standard normal tail, as the library's t distribution takes it) at 40
// digits (mpmath: betainc(ν/2, 1/2, 0, ν/(ν + z²)) / 2, or ncdf(−z)). The
// library's log-gamma carries an absolute error of some 1e-11, which every
// tail carries as a relative error, hence the tolerance of 1e-11 relative;
// the cancellation of 1 − T(z) that these rows guard against gave
// 3.8380756906e-17 and 2.71050543121e-20 for the first two.
#include <boost/math/distributions/normal.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>

#include "Comparison.h"

namespace {

constexpr Extended Tail_tolerance = 1e-11L;

struct Small_tail_row {
    std::string Name;
    std::int32_t N;
    bool Two_sided;
    Extended Case_A, Case_B, SD;
    Extended P_one_tailed;  // the 40-digit reference, rounded
};

void PrintTo(const Small_tail_row& row, std::ostream* os) { *os << row.Name; }

class Compare_small_tail : public testing::TestWithParam<Small_tail_row> {};

TEST_P(Compare_small_tail, KeepsDigitsAndIgnoresTheOrderOfTheCases)
{
    const Small_tail_row& row = GetParam();
    Comparison_result r;
    Compare_two_cases(row.N, row.Two_sided, r, row.Case_A, row.Case_B, row.SD, 95);
    Comparison_result swapped;
    Compare_two_cases(row.N, row.Two_sided, swapped, row.Case_B, row.Case_A, row.SD, 95);

    EXPECT_NEAR(r.P_one_tailed, row.P_one_tailed, Tail_tolerance * row.P_one_tailed);
    EXPECT_EQ(swapped.P_one_tailed, r.P_one_tailed);
    EXPECT_EQ(swapped.P_two_tailed, r.P_two_tailed);
    EXPECT_EQ(swapped.Percent_estimate, r.Percent_estimate);
    EXPECT_EQ(swapped.Percent_lower, r.Percent_lower);
    EXPECT_EQ(swapped.Percent_upper, r.Percent_upper);
    EXPECT_EQ(swapped.Effect_lower, -r.Effect_upper);
    EXPECT_EQ(swapped.Effect_upper, -r.Effect_lower);

    // The percentages are the normal tails beyond the effect limits, as
    // Boost.Math gives them at long double.
    const boost::math::normal_distribution<Extended> normal(0, 1);
    const Extended d = row.Case_A - row.Case_B;
    const Extended far = d >= 0 ? r.Effect_upper : -r.Effect_lower;
    const Extended near = d >= 0 ? r.Effect_lower : -r.Effect_upper;
    const Extended lower = 100 * boost::math::cdf(boost::math::complement(normal, far));
    const Extended upper = 100 * boost::math::cdf(boost::math::complement(normal, near));
    EXPECT_NEAR(r.Percent_lower, lower, Tail_tolerance * lower);
    EXPECT_NEAR(r.Percent_upper, upper, Tail_tolerance * upper);
}

INSTANTIATE_TEST_SUITE_P(
    Small_tails, Compare_small_tail,
    testing::Values(
        Small_tail_row{"N1001_SD1_A12_B0", 1001, true, 12, 0, 1, 3.8372077243897761e-17L},
        Small_tail_row{"N5298_tiny_SD_lower", 5298, false, -0.00021857939L, 0.00002043L,
                       0.0000185L, 3.2578471680904593e-20L},
        Small_tail_row{"N30_SD1_A100_B0", 30, true, 100, 0, 1, 2.5143731977246734e-34L},
        Small_tail_row{"N1001_SD1_A60_B0", 1001, false, 60, 0, 1, 4.1446524932998672e-226L},
        Small_tail_row{"N3_SD2_A5000_B0", 3, true, 5000, 0, 2, 1.5999992320004096e-7L},
        // z = 2.47e9, beyond the distributions' integer support ±2147483647,
        // where the tail was taken as 0 (Boost.Math's students_t at 50 digits).
        Small_tail_row{"N3_SD0_001_A3500000_B0", 3, true, 3500000, 0, 0.001, 8.1632653061224493175e-20L}),
    [](const testing::TestParamInfo<Small_tail_row>& info) { return info.param.Name; });

}  // namespace
