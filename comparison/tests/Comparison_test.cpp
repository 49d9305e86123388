// Worked examples and extreme inputs of Compare_two_cases, and a cross-check
// against the same computation written with Boost.Math.
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>

#include "Comparison.h"

namespace {

struct Worked_example {
    std::string Name;
    std::int32_t N;
    bool Two_sided;
    Extended Case_A, Case_B, SD;
    // The values as the report prints them; each is checked to half a unit of
    // its last printed digit.
    Extended Effect_size, P_one_tailed, Effect_lower, Effect_upper;
    Extended Percent_lower, Percent_upper;
};

void PrintTo(const Worked_example& row, std::ostream* os) { *os << row.Name; }

constexpr Extended Percent_digits = 0.5e-4L;
constexpr Extended Effect_digits = 0.5e-3L;
constexpr Extended P_digits = 0.5e-6L;

class Compare_worked_example : public testing::TestWithParam<Worked_example> {};

TEST_P(Compare_worked_example, MatchesPrintedDigits)
{
    const Worked_example& row = GetParam();
    Comparison_result r;
    Compare_two_cases(row.N, row.Two_sided, r, row.Case_A, row.Case_B, row.SD, 95);

    EXPECT_EQ(r.Df, static_cast<Extended>(row.N - 1));
    EXPECT_EQ(r.Test_statistic, r.Effect_size);
    EXPECT_NEAR(r.Effect_size, row.Effect_size, Effect_digits);
    EXPECT_NEAR(r.P_one_tailed, row.P_one_tailed, P_digits);
    EXPECT_EQ(r.P_two_tailed, 2 * r.P_one_tailed);
    EXPECT_EQ(r.Percent_estimate, 100 * r.P_one_tailed);
    EXPECT_NEAR(r.Effect_lower, row.Effect_lower, Effect_digits);
    EXPECT_NEAR(r.Effect_upper, row.Effect_upper, Effect_digits);
    EXPECT_NEAR(r.Percent_lower, row.Percent_lower, Percent_digits);
    EXPECT_NEAR(r.Percent_upper, row.Percent_upper, Percent_digits);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Compare_worked_example,
    testing::Values(
        Worked_example{"N20_two_sided", 20, true, 50, 30, 10,
                       1.414L, 0.086739L, 0.968L, 1.860L, 3.1471L, 16.6457L},
        Worked_example{"N20_one_sided", 20, false, 50, 30, 10,
                       1.414L, 0.086739L, 1.032L, 1.781L, 3.7432L, 15.1045L},
        Worked_example{"N20_exchanged_two_sided", 20, true, 30, 50, 10,
                       -1.414L, 0.086739L, -1.860L, -0.968L, 3.1471L, 16.6457L},
        Worked_example{"N20_exchanged_one_sided", 20, false, 30, 50, 10,
                       -1.414L, 0.086739L, -1.781L, -1.032L, 3.7432L, 15.1045L},
        Worked_example{"N3_two_sided", 3, true, 12, 10, 2,
                       0.707L, 0.276393L, 0.113L, 1.358L, 8.7216L, 45.5209L}),
    [](const testing::TestParamInfo<Worked_example>& info) { return info.param.Name; });

// Inputs far beyond any real study: every N that the sample-size check
// accepts and scores that put the effect thousands of SDs out must still give
// a full, finite record.
struct Extreme_case {
    std::string Name;
    std::int32_t N;
    Extended Case_A, Case_B, SD;
};

void PrintTo(const Extreme_case& row, std::ostream* os) { *os << row.Name; }

class Compare_extreme : public testing::TestWithParam<Extreme_case> {};

TEST_P(Compare_extreme, ComputesFiniteLimits)
{
    const Extreme_case& row = GetParam();
    for (const bool two_sided : {true, false}) {
        SCOPED_TRACE(two_sided ? "two-sided" : "one-sided");
        Comparison_result r;
        ASSERT_NO_THROW(
            Compare_two_cases(row.N, two_sided, r, row.Case_A, row.Case_B, row.SD, 95));
        for (const auto field : Comparison_result_fields)
            EXPECT_TRUE(std::isfinite(r.*field));
        EXPECT_EQ(r.Df, static_cast<Extended>(row.N) - 1);
        EXPECT_LE(r.Effect_lower, r.Effect_upper);
        EXPECT_LE(r.Percent_lower, r.Percent_upper);
        EXPECT_GE(r.Percent_lower, 0);
        EXPECT_LE(r.Percent_upper, 100);
        // A nonzero difference keeps its sign in both limits.
        EXPECT_GT(r.Effect_lower * (row.Case_A - row.Case_B), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Extremes, Compare_extreme,
    testing::Values(Extreme_case{"TinySdLargestScores", 999999, 999999, -99999, 0.0001L},
                    Extreme_case{"N5298", 5298, 50, 30, 10},
                    Extreme_case{"N999999", 999999, 50, 30, 10},
                    Extreme_case{"N2147483", 2147483, 12, 10, 2},
                    // 2 (N - 1) exceeds the 32-bit range here.
                    Extreme_case{"N2000000000", 2000000000, 12, 10, 2},
                    Extreme_case{"HugeSdNegative", 3, -999999, 999999, 999999}),
    [](const testing::TestParamInfo<Extreme_case>& info) { return info.param.Name; });

// Far in the tails the probabilities are 0 in extended precision, not an error.
TEST(Compare_extreme_values, TinySdGivesZeroProbabilities)
{
    Comparison_result r;
    Compare_two_cases(999999, true, r, 999999, -99999, 0.0001L, 95);
    EXPECT_EQ(r.P_one_tailed, 0);
    EXPECT_EQ(r.Percent_lower, 0);
    EXPECT_EQ(r.Percent_upper, 0);
    EXPECT_NEAR(r.Effect_size, 1099998 / std::sqrt(2e-8L), 1e-6L * r.Effect_size);
}

// The same comparison written with Boost.Math at long double. Up to 999 df the
// library evaluates the exact t and chi-square functions, so both agree far
// below the printed digits.
Comparison_result Boost_comparison(std::int32_t N, bool two_sided, Extended a, Extended b,
                                   Extended sd)
{
    namespace bm = boost::math;
    const Extended df = N - 1;
    const bm::students_t_distribution<Extended> t(df);
    const bm::normal_distribution<Extended> normal(0, 1);
    const bm::chi_squared_distribution<Extended> chi_square(df);

    Comparison_result r;
    const Extended d = a - b;
    const Extended z = d / std::sqrt(2 * sd * sd);
    r.Df = df;
    r.Test_statistic = r.Effect_size = z;
    r.P_one_tailed = bm::cdf(bm::complement(t, std::fabs(z)));
    const Extended tail = two_sided ? 0.025L : 0.05L;
    const Extended z_hi = std::sqrt(bm::quantile(bm::complement(chi_square, tail)) / df) * z;
    const Extended z_lo = std::sqrt(bm::quantile(chi_square, tail) / df) * z;
    const auto percent = [&](Extended x) {
        return 100 * (d >= 0 ? bm::cdf(bm::complement(normal, x)) : bm::cdf(normal, x));
    };
    r.Percent_lower = percent(z_hi);
    r.Percent_upper = percent(z_lo);
    r.Effect_lower = d >= 0 ? z_lo : z_hi;
    r.Effect_upper = d >= 0 ? z_hi : z_lo;
    return r;
}

TEST(Compare_against_boost, AgreesOnGrid)
{
    for (const std::int32_t N : {3, 4, 7, 20, 51, 200, 1000})
        for (const Extended sd : {0.5L, 3.0L, 15.0L})
            for (const Extended a : {-40.0L, 0.25L, 7.0L, 100.0L})
                for (const bool two_sided : {true, false}) {
                    const Extended b = 5;
                    SCOPED_TRACE("N " + std::to_string(N) + " SD " + std::to_string(double(sd)) +
                                 " A " + std::to_string(double(a)) +
                                 (two_sided ? " two-sided" : " one-sided"));
                    Comparison_result r;
                    Compare_two_cases(N, two_sided, r, a, b, sd, 95);
                    const Comparison_result o = Boost_comparison(N, two_sided, a, b, sd);
                    EXPECT_NEAR(r.Test_statistic, o.Test_statistic, 1e-15L);
                    EXPECT_NEAR(r.P_one_tailed, o.P_one_tailed, 1e-9L);
                    EXPECT_NEAR(r.Effect_lower, o.Effect_lower, 1e-8L * (1 + std::fabs(o.Effect_lower)));
                    EXPECT_NEAR(r.Effect_upper, o.Effect_upper, 1e-8L * (1 + std::fabs(o.Effect_upper)));
                    EXPECT_NEAR(r.Percent_lower, o.Percent_lower, 1e-7L);
                    EXPECT_NEAR(r.Percent_upper, o.Percent_upper, 1e-7L);
                }
}

}  // namespace
