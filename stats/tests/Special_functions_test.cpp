#include "Expect_refusal.h"
#include "Elementary.h"
#include "Elementary_precision.h"
#include "Floating_point.h"
#include "Raw_functions.h"

#include <cmath>
#include <utility>
#include <limits>

namespace {

struct Value_row {
    const char* name;
    Extended computed, expected, tolerance;
};

// Ln_gamma's deliberate offset (its leading series term is 1): the values
// below are the series' own, not ln Γ.
TEST(Ln_gamma, Values_of_the_series)
{
    const Value_row rows[] = {
        {"one", Ln_gamma(1.0L), -4.565e-12L, 1e-15L},
        {"two", Ln_gamma(2.0L), -1.187e-11L, 1e-14L},
        {"half", Ln_gamma(0.5L), 0.5723649429209L, 1e-12L},
        {"ten_within_the_series_error", Ln_gamma(10.0L), std::lgamma(10.0L), 1e-10L},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(row.computed, row.expected, row.tolerance) << row.name;
    EXPECT_NE(Ln_gamma(1.0L), 0.0L);
}

TEST(Incomplete_gamma, Spot_values_and_branches)
{
    const Value_row rows[] = {
        {"zero", Incomplete_gamma(0.0L, 1.0L), 0.0L, 0.0L},
        {"within_tolerance_of_zero", Incomplete_gamma(1e-13L, 1.0L), 0.0L, 0.0L},
        {"fraction_at_a_plus_1", Incomplete_gamma(2.0L, 1.0L), 1.0L - std::exp(-2.0L), 1e-10L},
        {"series_just_below", Incomplete_gamma(1.999L, 1.0L), 1.0L - std::exp(-1.999L), 1e-10L},
        {"shape_half", Incomplete_gamma(0.5L, 0.5L), std::erf(std::sqrt(0.5L)), 1e-10L},
        {"branches_agree_at_a_plus_1",
         Incomplete_gamma(11.0L, 10.0L) - Incomplete_gamma(std::nextafter(11.0L, 0.0L), 10.0L), 0.0L, 1e-10L},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(row.computed, row.expected, row.tolerance) << row.name;
    // The series is the one branch that returns exact zero from the tolerance test.
    EXPECT_EQ(Gamma_series(0.0L, 3.0L), 0.0L);
    EXPECT_NEAR(Gamma_cont_fraction(2.0L, 1.0L), std::exp(-2.0L), 1e-11L);
}

TEST(Incomplete_gamma, Refusals)
{
    EXPECT_EQ(Refusal_text([] { Incomplete_gamma(-1.0L, 1.0L); }), Bound_text(1302, "0"));
    EXPECT_EQ(Refusal_text([] { Incomplete_gamma(1.0L, 0.0L); }), Bound_text(1301, "0"));
    EXPECT_EQ(Refusal_text([] { Incomplete_gamma(3e9L, 1.0L); }), Message_text(1361));
    EXPECT_EQ(Refusal_text([] { Incomplete_gamma(1.0L, 3e9L); }), Message_text(1361));
    EXPECT_NO_THROW(Incomplete_gamma(2147483647.0L, 1.0L));
}

TEST(Incomplete_beta, Spot_values_and_branches)
{
    const Value_row rows[] = {
        {"zero", Incomplete_beta(0.0L, 2.0L, 3.0L), 0.0L, 0.0L},
        {"negative", Incomplete_beta(-0.5L, 2.0L, 3.0L), 0.0L, 0.0L},
        {"one", Incomplete_beta(1.0L, 2.0L, 3.0L), 1.0L, 0.0L},
        {"symmetric_at_the_switch", Incomplete_beta(0.5L, 2.0L, 2.0L), 0.5L, 1e-11L},
        // I_x(1, b) = 1 − (1 − x)^b, on both sides of the switch (a+1)/(a+b+2) = 0.4.
        {"direct_branch", Incomplete_beta(0.3L, 1.0L, 3.0L), 1.0L - 0.343L, 1e-11L},
        {"swapped_branch", Incomplete_beta(0.6L, 1.0L, 3.0L), 1.0L - 0.064L, 1e-11L},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(row.computed, row.expected, row.tolerance) << row.name;
}

TEST(Incomplete_beta, Floating_point_error_gives_one)
{
    // ln Γ(0) divides by zero; the true value would be 1 − 0.5 = 0.5.
    EXPECT_EQ(Incomplete_beta(0.5L, 0.0L, 1.0L), 1.0L);
    EXPECT_EQ(Incomplete_beta(std::numeric_limits<Extended>::quiet_NaN(), 1.0L, 1.0L), 1.0L);
    EXPECT_EQ(Raised_flags(Error_flags), 0);
}

struct Fp_row {
    const char* name;
    Extended (*call)();
    const char* message;
};

const Fp_row Fp_rows[] = {
    {"zero_to_negative_power", [] { return Integer_power(0.0L, -1); }, "Floating point division by zero"},
    {"negative_base_real_exponent", [] { return Real_power(-2.0L, 0.5L); }, "Invalid floating point operation"},
    {"power_overflow", [] { return Real_power(10.0L, 5000.5L); }, "Floating point overflow"},
    {"log_gamma_of_zero", [] { return Ln_gamma(-4.0L); }, "Floating point division by zero"},
    {"integer_power_overflow", [] { return Integer_power(10.0L, 5000); }, "Floating point overflow"},
};

TEST(EFloating_point_error, Flags_become_exceptions)
{
    for (const auto& row : Fp_rows) {
        try {
            row.call();
            ADD_FAILURE() << row.name << ": no error";
        } catch (const EFloating_point_error& error) {
            EXPECT_STREQ(error.what(), row.message) << row.name;
        }
    }
}

TEST(EFloating_point_error, Flags_left_by_the_caller_are_no_error_and_stay)
{
    Raise_flags(Overflow_flag);
    const Extended p = Incomplete_gamma(1.0L, 1.0L);
    const bool still_set = Raised_flags(Overflow_flag) != 0;
    Clear_flags(Error_flags);
    EXPECT_NEAR(p, 1.0L - std::exp(-1.0L), 1e-10L);
    EXPECT_TRUE(still_set);
}

TEST(EFloating_point_error, Underflow_is_silent)
{
    EXPECT_EQ(Real_power(10.0L, -5000.5L), 0.0L);
}

}  // namespace

namespace {

// The series runs until it converges (some 7 sqrt(a) terms near x = a), not
// for a fixed number of terms; beyond its pass limit it reports the failure.
TEST(Gamma_series, Converges_for_large_shapes_and_reports_its_limit)
{
    // At a = 1e8 the factor exp(a ln x − x − ln Γ(a)) loses some 1e-9 to
    // cancellation.
    EXPECT_NEAR(Incomplete_gamma(99990000.0L, 1e8L), 0.158655253528L, 5e-9L);  // Boost: gamma_p(1e8, 99990000)
    EXPECT_NEAR(Incomplete_gamma(999900.0L, 1e6L), 0.460303160251L, 1e-9L);    // Boost: gamma_p(1e6, 999900)
    EXPECT_NEAR(Incomplete_gamma(475.0L, 500.0L), 0.130875934254L, 1e-9L);     // Boost: gamma_p(500, 475)
    EXPECT_THROW(Gamma_series(1e14L, 1e14L), EConvergence_error);
}

// Far above a few hundred steps the fraction's terms leave the extended
// range unless rescaled; at x = a + 1 for a = 1e6 the fraction takes some
// thousands of steps. Q = 1 − P from the fraction agrees with the series'
// value taken just below the switch point, and with Boost.
TEST(Gamma_cont_fraction, Keeps_its_value_over_thousands_of_steps)
{
    const Extended a = 1e6L;
    const Extended q = 1.0L - Incomplete_gamma(a + 1.0L, a);
    EXPECT_NEAR(q, 1.0L - Incomplete_gamma(std::nextafter(a + 1.0L, 0.0L), a), 1e-9L);
    EXPECT_NEAR(q, 0.499468077258L, 5e-9L);  // gamma_q(1e6, 1e6 + 1) to 30 digits: 0.4994680772579...
}

// Outside the range x >= a + 1 where the fraction converges, a zero term
// in its first step is a division by zero, and a start at 0 never converges.
TEST(Gamma_cont_fraction, Reports_degenerate_starts)
{
    for (const auto& [x, a] : {std::pair{1.0L, 3.0L}, std::pair{0.5L, 2.5L}, std::pair{4.0L, 6.0L}}) {
        try {
            Gamma_cont_fraction(x, a);
            ADD_FAILURE() << "no error at x = " << static_cast<double>(x) << ", a = " << static_cast<double>(a);
        } catch (const EFloating_point_error& error) {
            EXPECT_STREQ(error.what(), "Floating point division by zero");
        }
    }
    EXPECT_THROW(Gamma_cont_fraction(0.0L, 1.0L), EConvergence_error);
}

}  // namespace

// The constants that replace evaluations at each use hold exactly the values
// of those evaluations, so no result moves.
TEST(Precomputed_constants, Equal_the_values_they_replace)
{
    constexpr Extended Two_pi = 6.283185307179586476925286766559005768L;
    // Exactly in the 80-bit format; where long double is wider, within a few
    // units in the last place of the 80-bit evaluations that gave them.
    EXPECT_LE(std::fabs(Ln_gamma_of_half - Ln_gamma(0.5L)), 4 * Extended_constant_rounding * Ln_gamma_of_half);
    for (const Extended variance : {1.0L, 4.0L, 0.3L}) {
        const tNormal_distribution normal(0.0L, variance);
        const Extended density = Exp(-(Ln(Two_pi) + Ln(variance)) / 2.0L);
        EXPECT_LE(std::fabs(normal.Density(0.0L) - density), 4 * Extended_constant_rounding * density);
    }
}
