// Far tails of the normal and t distributions against Boost.Math at long
// double: Upper_tail(x) and Cdf(−x), down to the smallest positive long
// double. Taken as 1 − Cdf, these tails cancel to a multiple of 2^−65 (or to
// 0) below about 1e-19; taken directly they keep their digits.
//
// Tolerances: the library's log-gamma is the six-term series whose leading
// term is 1, with an absolute error of some 1e-11 (3.8e-12 at 1/2), which
// enters every tail as a relative error through exp(... − ln Γ): the far
// tails agree with Boost.Math to 3.8e-12 relative, so the twelfth significant
// digit may be off by a few units. Near x² / 2 = 3/2, where the continued
// fraction takes over from the series at its slowest convergence, the
// stopping tolerance 5e-12 on the relative step leaves up to 4e-11. The
// cancellation that the direct tails remove lost every digit below 1e-19.
#include "Elementary_precision.h"
#include "distrib.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr Extended Normal_tolerance = 5e-11L;
constexpr Extended T_tolerance = 1e-11L;

// |ours − reference| within the relative tolerance, plus two units of the
// smallest subnormal, the spacing of the values below the normal range.
::testing::AssertionResult Close(Extended ours, Extended reference, Extended tolerance)
{
    const Extended error = std::fabs(ours - reference);
    if (error <= tolerance * std::fabs(reference) + 2 * std::numeric_limits<Extended>::denorm_min())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ours " << ours << ", reference " << reference
                                         << ", difference " << error;
}

// The tails run below a double's range.
template <typename Row>
class Far_tail_test : public testing::TestWithParam<Row> {
protected:
    void SetUp() override
    {
        if (Elementary_functions_in_double)
            GTEST_SKIP() << Elementary_functions_reason;
    }
};

struct Normal_tail_row {
    std::string Name;
    Extended X;
};

void PrintTo(const Normal_tail_row& row, std::ostream* os) { *os << row.Name; }

class Normal_far_tail : public Far_tail_test<Normal_tail_row> {};

TEST_P(Normal_far_tail, Upper_tail_and_lower_tail_match_Boost)
{
    const Extended x = GetParam().X;
    const tNormal_distribution normal(0.0L, 1.0L);
    const boost::math::normal_distribution<Extended> reference(0, 1);
    const Extended upper = boost::math::cdf(boost::math::complement(reference, x));
    EXPECT_TRUE(Close(normal.Upper_tail(x), upper, Normal_tolerance));
    EXPECT_TRUE(Close(normal.Cdf(-x), upper, Normal_tolerance));
    // The two sides of the symmetry are the same computation.
    EXPECT_EQ(normal.Upper_tail(x), normal.Cdf(-x));
    EXPECT_EQ(normal.Upper_tail(-x), normal.Cdf(x));
}

// From the centre through the range where 1 − Φ cancelled (beyond about 9.4)
// down to the subnormal range (beyond about 150.7) and past the smallest
// positive value (about 150.95).
INSTANTIATE_TEST_SUITE_P(
    Far_tails, Normal_far_tail,
    testing::Values(Normal_tail_row{"x_0_3", 0.3L}, Normal_tail_row{"x_1", 1.0L},
                    Normal_tail_row{"x_1_7", 1.7320508L}, Normal_tail_row{"x_4", 4.0L},
                    Normal_tail_row{"x_9_135", 9.135414077635686L}, Normal_tail_row{"x_12", 12.0L},
                    Normal_tail_row{"x_20", 20.0L}, Normal_tail_row{"x_38", 38.5L},
                    Normal_tail_row{"x_60", 60.0L}, Normal_tail_row{"x_100", 100.0L},
                    Normal_tail_row{"x_140", 140.0L}, Normal_tail_row{"x_150", 150.0L},
                    Normal_tail_row{"x_150_8_subnormal", 150.8L},
                    Normal_tail_row{"x_150_94_smallest", 150.94L},
                    Normal_tail_row{"x_152_below_smallest", 152.0L}),
    [](const testing::TestParamInfo<Normal_tail_row>& info) { return info.param.Name; });

struct T_tail_row {
    std::string Name;
    Extended Nu;
    Extended X;
};

void PrintTo(const T_tail_row& row, std::ostream* os) { *os << row.Name; }

class T_far_tail : public Far_tail_test<T_tail_row> {};

// Up to 1000 degrees of freedom the t distribution itself; above, the
// library's t is the standard normal, and so is the reference.
TEST_P(T_far_tail, Upper_tail_and_lower_tail_match_Boost)
{
    const T_tail_row& row = GetParam();
    const tT_distribution t(row.Nu);
    Extended upper;
    Extended tolerance;
    if (row.Nu > 1000.0L) {
        upper = boost::math::cdf(boost::math::complement(boost::math::normal_distribution<Extended>(0, 1), row.X));
        tolerance = Normal_tolerance;
    } else {
        upper = boost::math::cdf(boost::math::complement(boost::math::students_t_distribution<Extended>(row.Nu), row.X));
        tolerance = T_tolerance;
    }
    EXPECT_TRUE(Close(t.Upper_tail(row.X), upper, tolerance));
    EXPECT_TRUE(Close(t.Cdf(-row.X), upper, tolerance));
    EXPECT_EQ(t.Upper_tail(row.X), t.Cdf(-row.X));
    EXPECT_EQ(t.Upper_tail(-row.X), t.Cdf(row.X));
}

INSTANTIATE_TEST_SUITE_P(
    Far_tails, T_far_tail,
    testing::Values(T_tail_row{"nu2_x3", 2.0L, 3.0L}, T_tail_row{"nu2_x1e5", 2.0L, 1e5L},
                    T_tail_row{"nu2_x2e9", 2.0L, 2e9L}, T_tail_row{"nu19_x40", 19.0L, 40.0L},
                    T_tail_row{"nu19_x1e6", 19.0L, 1e6L}, T_tail_row{"nu19_x2e9", 19.0L, 2e9L},
                    T_tail_row{"nu7_3_x1e4", 7.3L, 1e4L}, T_tail_row{"nu999_x10", 999.0L, 10.0L},
                    T_tail_row{"nu1000_x8_485", 1000.0L, 8.48528137423857L},
                    T_tail_row{"nu1000_x30", 1000.0L, 30.0L}, T_tail_row{"nu1000_x80", 1000.0L, 80.0L},
                    T_tail_row{"nu1000_x200", 1000.0L, 200.0L},
                    T_tail_row{"nu5297_x9_135", 5297.0L, 9.135414077635686L},
                    T_tail_row{"nu999999_x40", 999999.0L, 40.0L},
                    T_tail_row{"nu1001_x150_8", 1001.0L, 150.8L}),
    [](const testing::TestParamInfo<T_tail_row>& info) { return info.param.Name; });

// Outside the support the normal's upper tail is 1 below it and 0 above it;
// the t's tail, which falls only as a power of x, goes on beyond the support
// (T_beyond_the_support below) and is 1 and 0 at the infinities.
TEST(Upper_tail, Outside_the_support)
{
    const tNormal_distribution normal(0.0L, 1.0L);
    const tT_distribution t(5.0L);
    constexpr Extended infinity = std::numeric_limits<Extended>::infinity();
    EXPECT_EQ(normal.Upper_tail(-3e9L), 1.0L);
    EXPECT_EQ(normal.Upper_tail(3e9L), 0.0L);
    EXPECT_EQ(t.Upper_tail(-3e9L), 1.0L);
    EXPECT_GT(t.Upper_tail(3e9L), 0.0L);
    EXPECT_EQ(t.Upper_tail(-infinity), 1.0L);
    EXPECT_EQ(t.Upper_tail(infinity), 0.0L);
    EXPECT_EQ(normal.Upper_tail(0.0L), 0.5L);
    EXPECT_EQ(t.Upper_tail(0.0L), 0.5L);
}

// Beyond the support's ±2147483647, where the tail used to be taken as 0,
// out to where x² leaves the extended range (about 1.1e2466) and beyond.
// Reference: Boost.Math 1.74's students_t complement cdf at 50 decimal
// digits (boost::multiprecision::cpp_bin_float_50), rounded to 30.
struct T_far_row {
    std::string Name;
    Extended Nu;
    Extended X;
    Extended Upper;
};

void PrintTo(const T_far_row& row, std::ostream* os) { *os << row.Name; }

class T_beyond_the_support : public Far_tail_test<T_far_row> {};

TEST_P(T_beyond_the_support, Upper_tail_matches_the_reference)
{
    const T_far_row& row = GetParam();
    const tT_distribution t(row.Nu);
    EXPECT_TRUE(Close(t.Upper_tail(row.X), row.Upper, T_tolerance));
    EXPECT_EQ(t.Cdf(-row.X), t.Upper_tail(row.X));
    EXPECT_EQ(t.Upper_tail(-row.X), t.Cdf(row.X));
}

INSTANTIATE_TEST_SUITE_P(
    Far_tails, T_beyond_the_support,
    testing::Values(
        // voran-report's table for SD 0.001, N 3, Case A 3500000, Case B 0.
        T_far_row{"nu2_x2_47e9", 2.0L, 2474873734.152916283884296467L, 8.16326530612244931745686093273e-20L},
        T_far_row{"nu2_x3e9", 2.0L, 3e9L, 5.55555555555555555462962962963e-20L},
        T_far_row{"nu5_x3e9", 5.0L, 3e9L, 3.90541861957298797053183163343e-47L},
        T_far_row{"nu19_x1e10", 19.0L, 1e10L, 1.2705176506221958173360054571e-179L},
        T_far_row{"nu7_3_x5e12", 7.3L, 5e12L, 4.00929920434982625111345002882e-91L},
        T_far_row{"nu2_x1e15", 2.0L, 1e15L, 4.99999999999999999999999999999e-31L},
        T_far_row{"nu0_5_x1e20", 0.5L, 1e20L, 3.20700975414222900340361293762e-11L},
        T_far_row{"nu1_x1e300", 1.0L, 1e300L, 3.18309886183790671537767526745e-301L},
        T_far_row{"nu3_x1e1000", 3.0L, 1e1000L, 1.10265779084358409902265299663e-3000L},
        // Below the extended range: 1.48e-7834.
        T_far_row{"nu1000_x2_pow_31", 1000.0L, 2147483648.0L, 0.0L},
        // Where x² leaves the extended range, from 2^4000 (about 1.3e1204) on.
        T_far_row{"nu2_x1e2000", 2.0L, 1e2000L, 5e-4001L},
        T_far_row{"nu1_x1e4000", 1.0L, 1e4000L, 3.18309886183790671537767526745e-4001L},
        T_far_row{"nu0_5_x1e4900", 0.5L, 1e4900L, 3.20700975414222900340361293762e-2451L}),
    [](const testing::TestParamInfo<T_far_row>& info) { return info.param.Name; });

}  // namespace
