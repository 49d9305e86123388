// Properties of Compare_two_cases over a grid of sample sizes, SDs and case
// scores: exchange symmetry, the range of the tail probability, nesting of
// one-sided limits inside the two-sided interval, and a zero difference.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "Comparison.h"

namespace {

struct Grid_point {
    std::int32_t N;
    Extended SD, Case_A, Case_B;
};

std::vector<Grid_point> Grid()
{
    std::vector<Grid_point> points;
    for (const std::int32_t N : {3, 4, 10, 20, 101, 1001, 1002, 5298, 100000})
        for (const Extended sd : {0.25L, 1.0L, 10.0L})
            for (const Extended a : {-30.0L, 0.5L, 12.0L, 50.0L})
                points.push_back({N, sd, a, 10.0L});
    return points;
}

std::string Describe(const Grid_point& p)
{
    return "N " + std::to_string(p.N) + " SD " + std::to_string(double(p.SD)) + " A " +
           std::to_string(double(p.Case_A)) + " B " + std::to_string(double(p.Case_B));
}

Comparison_result Compare(const Grid_point& p, bool two_sided, bool exchanged = false)
{
    Comparison_result r;
    Compare_two_cases(p.N, two_sided, r, exchanged ? p.Case_B : p.Case_A,
                      exchanged ? p.Case_A : p.Case_B, p.SD, 95);
    return r;
}

TEST(Compare_properties, ExchangingTheCasesMirrorsTheEffectAndKeepsPercentages)
{
    constexpr Extended tolerance = 1e-13L;
    for (const Grid_point& p : Grid())
        for (const bool two_sided : {true, false}) {
            SCOPED_TRACE(Describe(p) + (two_sided ? " two-sided" : " one-sided"));
            const Comparison_result r = Compare(p, two_sided);
            const Comparison_result x = Compare(p, two_sided, true);
            EXPECT_EQ(x.Test_statistic, -r.Test_statistic);
            EXPECT_EQ(x.Effect_size, -r.Effect_size);
            EXPECT_EQ(x.Effect_lower, -r.Effect_upper);
            EXPECT_EQ(x.Effect_upper, -r.Effect_lower);
            EXPECT_NEAR(x.P_one_tailed, r.P_one_tailed, tolerance);
            EXPECT_NEAR(x.P_two_tailed, r.P_two_tailed, tolerance);
            EXPECT_NEAR(x.Percent_estimate, r.Percent_estimate, 100 * tolerance);
            EXPECT_NEAR(x.Percent_lower, r.Percent_lower, 100 * tolerance);
            EXPECT_NEAR(x.Percent_upper, r.Percent_upper, 100 * tolerance);
        }
}

TEST(Compare_properties, ProbabilitiesAndLimitsAreOrdered)
{
    for (const Grid_point& p : Grid())
        for (const bool two_sided : {true, false}) {
            SCOPED_TRACE(Describe(p) + (two_sided ? " two-sided" : " one-sided"));
            const Comparison_result r = Compare(p, two_sided);
            EXPECT_GE(r.P_one_tailed, 0);
            EXPECT_LE(r.P_one_tailed, 0.5L);
            EXPECT_LE(r.P_two_tailed, 1);
            EXPECT_LT(r.Effect_lower, r.Effect_size);
            EXPECT_LT(r.Effect_size, r.Effect_upper);
            // The estimate comes from the t tail and the limits from the normal
            // tail at the effect limits, so only the limits are ordered.
            EXPECT_LE(r.Percent_lower, r.Percent_upper);
            EXPECT_GE(r.Percent_lower, 0);
            EXPECT_LE(r.Percent_upper, 100);
        }
}

TEST(Compare_properties, OneSidedLimitsLieInsideTheTwoSidedInterval)
{
    for (const Grid_point& p : Grid()) {
        SCOPED_TRACE(Describe(p));
        const Comparison_result two = Compare(p, true);
        const Comparison_result one = Compare(p, false);
        EXPECT_LT(two.Effect_lower, one.Effect_lower);
        EXPECT_LT(one.Effect_upper, two.Effect_upper);
        EXPECT_LE(two.Percent_lower, one.Percent_lower);
        EXPECT_LE(one.Percent_upper, two.Percent_upper);
        // The point estimates do not depend on the sidedness.
        EXPECT_EQ(one.Effect_size, two.Effect_size);
        EXPECT_EQ(one.P_one_tailed, two.P_one_tailed);
    }
}

TEST(Compare_properties, ZeroDifferenceGivesHalfAndZeroEffect)
{
    for (const std::int32_t N : {3, 20, 1001, 5298, 999999})
        for (const Extended score : {-7.5L, 0.0L, 42.0L})
            for (const bool two_sided : {true, false}) {
                SCOPED_TRACE("N " + std::to_string(N) + " score " + std::to_string(double(score)));
                Comparison_result r;
                Compare_two_cases(N, two_sided, r, score, score, 3, 95);
                EXPECT_EQ(r.Test_statistic, 0);
                EXPECT_EQ(r.Effect_size, 0);
                EXPECT_EQ(r.P_one_tailed, 0.5L);
                EXPECT_EQ(r.P_two_tailed, 1);
                EXPECT_EQ(r.Percent_estimate, 50);
                EXPECT_EQ(r.Effect_lower, 0);
                EXPECT_EQ(r.Effect_upper, 0);
                EXPECT_EQ(r.Percent_lower, 50);
                EXPECT_EQ(r.Percent_upper, 50);
            }
}

}  // namespace
