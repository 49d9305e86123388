// The whole extended range in every build: the exponential and logarithms
// against 40-digit values, and tails far below a double's range against the
// values the x86-64 build computes in 80-bit extended precision.
#include "Elementary.h"
#include "distrib.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct Range_row {
    std::string Name;
    std::function<Extended()> Computed;
    Extended Reference;
};

void PrintTo(const Range_row& row, std::ostream* os) { *os << row.Name; }

::testing::AssertionResult Close(Extended computed, Extended reference, Extended relative, Extended absolute)
{
    const Extended error = std::fabs(computed - reference);
    if (error <= relative * std::fabs(reference) + absolute)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "computed " << computed << ", reference " << reference
                                         << ", relative difference " << error / std::fabs(reference);
}

// exp, ln and ln(1 + x) within 16 units in the last place of long double
// (the quad ones are stated within 4, the 80-bit C library's within 1).
// Reference: mpmath at 40 digits. The arguments of exp are exact binary
// fractions, so that the rounding of the argument adds nothing.
class Elementary_function : public testing::TestWithParam<Range_row> {};

TEST_P(Elementary_function, Matches_40_digits)
{
    constexpr Extended Tolerance = 16 * std::numeric_limits<Extended>::epsilon();
    EXPECT_TRUE(Close(GetParam().Computed(), GetParam().Reference, Tolerance, 0.0L));
}

INSTANTIATE_TEST_SUITE_P(
    Reference_values, Elementary_function,
    testing::Values(
        Range_row{"exp_of_minus_half", [] { return Exp(-0.5L); }, 0.606530659712633423603799534991180453L},
        Range_row{"exp_of_3_25", [] { return Exp(3.25L); }, 25.7903399171930620890801076693772219L},
        Range_row{"exp_below_doubles", [] { return Exp(-745.5L); }, 1.71184225049357683959408631269207248e-324L},
        Range_row{"exp_of_minus_1400", [] { return Exp(-1400.25L); }, 7.57097330661388531733661220188610451e-609L},
        Range_row{"exp_of_minus_11000", [] { return Exp(-11000.75L); }, 2.72256465939494697480658221426531025e-4778L},
        Range_row{"exp_near_the_largest", [] { return Exp(11356.0L); }, 7.04914579998566243846196748833784963e+4931L},
        Range_row{"exp_near_the_smallest_normal", [] { return Exp(-11355.0L); }, 3.85618613316889269896918451403944079e-4932L},
        Range_row{"ln_of_1e_minus_4900", [] { return Ln(1e-4900L); }, -11282.6669556708238516881581279533846L},
        Range_row{"ln_below_doubles", [] { return Ln(7e-320L); }, -734.881319609039305580651912755553367L},
        Range_row{"ln_near_root_half", [] { return Ln(0.70710678L); }, -0.346573591958004257524406117627627878L},
        Range_row{"ln_near_root_two", [] { return Ln(1.4142135L); }, 0.346573546175533209507094479963419486L},
        Range_row{"ln_of_2", [] { return Ln(2.0L); }, 0.693147180559945309417232121458176568L},
        Range_row{"ln_near_one", [] { return Ln(1.0L + 0x1p-30L); }, 9.3132257418179764690006274852437848e-10L},
        Range_row{"ln_of_1e4000", [] { return Ln(1e4000L); }, 9210.34037197618273607196581873745683L},
        Range_row{"ln_one_plus_tiny", [] { return Ln_one_plus(-1e-25L); }, -1.00000000000000000000000005e-25L},
        Range_row{"ln_one_plus_small", [] { return Ln_one_plus(0x1p-40L); }, 9.09494701772514647608762799434692471e-13L},
        Range_row{"ln_one_plus_half", [] { return Ln_one_plus(0.5L); }, 0.405465108108164381978013115464349137L},
        Range_row{"ln_one_plus_minus_half", [] { return Ln_one_plus(-0.5L); }, -0.693147180559945309417232121458176568L},
        Range_row{"ln_one_plus_3", [] { return Ln_one_plus(3.0L); }, 1.38629436111989061883446424291635314L}),
    [](const testing::TestParamInfo<Range_row>& info) { return info.param.Name; });

TEST(Elementary_function, Ends_of_the_range)
{
    constexpr Extended Infinity = std::numeric_limits<Extended>::infinity();
    EXPECT_EQ(Exp(11357.0L), Infinity);
    EXPECT_EQ(Exp(-11500.0L), 0.0L);
    EXPECT_GT(Exp(-11390.0L), 0.0L);  // subnormal in the 80-bit format too
    EXPECT_EQ(Exp(0.0L), 1.0L);
    EXPECT_EQ(Ln(1.0L), 0.0L);
    EXPECT_EQ(Ln(0.0L), -Infinity);
    EXPECT_EQ(Ln(Infinity), Infinity);
    EXPECT_TRUE(std::isnan(Ln(-1.0L)));
    EXPECT_EQ(Ln_one_plus(-1.0L), -Infinity);
}

// Tails far below a double's range, where the WebAssembly build must give
// the desktop's numbers: within 1e-10 relative, plus two units of the 80-bit
// format's smallest subnormal (2^-16445), the spacing of the desktop's values
// below its normal range.
// Reference: the x86-64 build (80-bit extended, the C library's expl and
// logl); mpmath at 50 digits (erfc, betainc, gammainc) agrees with each
// within 3e-11 relative, the error of the library's log-gamma series that
// both builds share.
class Desktop_tail : public testing::TestWithParam<Range_row> {};

TEST_P(Desktop_tail, Matches_the_80_bit_value)
{
    constexpr Extended Relative = 1e-10L;
    constexpr Extended Desktop_subnormal_spacing = 0x1p-16445L;
    EXPECT_TRUE(Close(GetParam().Computed(), GetParam().Reference, Relative, 2 * Desktop_subnormal_spacing));
}

Extended Normal_upper(Extended x) { return tNormal_distribution(0.0L, 1.0L).Upper_tail(x); }
Extended T_upper(Extended nu, Extended x) { return tT_distribution(nu).Upper_tail(x); }
Extended T_lower(Extended nu, Extended x) { return tT_distribution(nu).Cdf(x); }

INSTANTIATE_TEST_SUITE_P(
    Far_below_doubles, Desktop_tail,
    testing::Values(
        Range_row{"normal_38_5", [] { return Normal_upper(38.5L); }, 1.408182463175818444295e-324L},
        Range_row{"normal_60", [] { return Normal_upper(60.0L); }, 1.237573028648057287874e-784L},
        Range_row{"normal_100", [] { return Normal_upper(100.0L); }, 1.344179076749258610445e-2174L},
        Range_row{"normal_140", [] { return Normal_upper(140.0L); }, 2.337960789446465319001e-4259L},
        Range_row{"normal_150", [] { return Normal_upper(150.0L); }, 4.091457980918404231599e-4889L},
        Range_row{"normal_150_8_subnormal", [] { return Normal_upper(150.8L); }, 2.265980428378050812954e-4941L},
        Range_row{"t19_2e9", [] { return T_upper(19.0L, 2e9L); }, 2.423320103880873737547e-166L},
        Range_row{"t40_2e9", [] { return T_lower(40.0L, -2e9L); }, 6.268534380998821057115e-342L},
        Range_row{"t99_1e7", [] { return T_upper(99.0L, 1e7L); }, 2.431856344132911906692e-596L},
        Range_row{"t200_1e4", [] { return T_lower(200.0L, -1e4L); }, 3.570798467661699462678e-572L},
        Range_row{"t999_50", [] { return T_upper(999.0L, 50.0L); }, 1.806381623845003945312e-274L},
        Range_row{"t500_3e8", [] { return T_upper(500.0L, 3e8L); }, 2.710701154425012671264e-3566L},
        Range_row{"gamma_p_500_at_1", [] { return Incomplete_gamma(1.0L, 500.0L); }, 3.021097218531414947882e-1135L},
        Range_row{"gamma_p_300_at_1e_3", [] { return Incomplete_gamma(1e-3L, 300.0L); }, 3.264104878770379179358e-1515L},
        Range_row{"beta_80_half_at_1e_5", [] { return Incomplete_beta(1e-5L, 80.0L, 0.5L); }, 6.298014180087045031110e-402L}),
    [](const testing::TestParamInfo<Range_row>& info) { return info.param.Name; });

}  // namespace
