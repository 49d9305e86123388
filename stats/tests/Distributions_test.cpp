#include "Expect_refusal.h"

#include <cmath>
#include <functional>
#include <memory>

namespace {

constexpr Extended Pi = 3.141592653589793238462643383279502884L;

struct Function_row {
    const char* name;
    std::function<Extended()> computed;
    Extended expected, tolerance;
};

void Expect_values(const std::vector<Function_row>& rows)
{
    for (const auto& row : rows)
        EXPECT_NEAR(row.computed(), row.expected, row.tolerance) << row.name;
}

TEST(Normal_distribution, Spot_values)
{
    tNormal_distribution standard(0.0L, 1.0L);
    tNormal_distribution shifted(10.0L, 4.0L);
    // The decimals: mpmath at 30 digits (ncdf, and its inverse by findroot), rounded.
    Expect_values({
        {"cdf_at_mean_exact", [&] { return standard.Cdf(0.0L); }, 0.5L, 0.0L},
        {"cdf_at_1", [&] { return standard.Cdf(1.0L); }, 0.8413447461L, 1e-10L},
        {"cdf_at_1_96", [&] { return standard.Cdf(1.9599639845L); }, 0.975L, 1e-10L},
        {"density_at_0", [&] { return standard.Density(0.0L); }, 1.0L / std::sqrt(2.0L * Pi), 1e-18L},
        {"shifted_cdf", [&] { return shifted.Cdf(12.0L); }, standard.Cdf(1.0L), 1e-18L},
        {"shifted_density", [&] { return shifted.Density(10.0L); }, 1.0L / (2.0L * std::sqrt(2.0L * Pi)), 1e-18L},
        {"shifted_variance", [&] { return shifted.Variance(); }, 4.0L, 0.0L},
        {"shifted_std_deviation", [&] { return shifted.Std_deviation(); }, 2.0L, 0.0L},
        {"symmetry", [&] { return shifted.Cdf(7.0L) + shifted.Cdf(13.0L); }, 1.0L, 1e-15L},
        {"density_outside_support", [&] { return standard.Density(3e9L); }, 0.0L, 0.0L},
        {"cdf_above_support", [&] { return standard.Cdf(3e9L); }, 1.0L, 0.0L},
        {"cdf_below_support", [&] { return standard.Cdf(-3e9L); }, 0.0L, 0.0L},
        // Far in the tails (|z| > 65536) the probability is 0 or 1, not a refusal.
        {"far_upper_tail", [&] { return standard.Cdf(70000.0L); }, 1.0L, 0.0L},
        {"far_lower_tail", [&] { return standard.Cdf(-70000.0L); }, 0.0L, 0.0L},
        {"tiny_variance_tail", [] { return tNormal_distribution(0.0L, 1e-4000L).Cdf(1.0L); }, 1.0L, 0.0L},
        {"quantile_975", [&] { return standard.Quantile(0.975L); }, 1.959963985L, 1e-9L},
        {"quantile_median", [&] { return standard.Quantile(0.5L); }, 0.0L, 1e-12L},
        {"quantile_far_below_bracket", [&] { return standard.Quantile(1e-10L); }, -6.3613409024L, 1e-9L},
        {"quantile_of_zero", [&] { return standard.Quantile(0.0L); }, -2147483647.0L, 0.0L},
        {"quantile_within_tolerance_of_zero", [&] { return standard.Quantile(4e-12L); }, -2147483647.0L, 0.0L},
        {"quantile_of_one", [&] { return standard.Quantile(1.0L); }, 2147483647.0L, 0.0L},
    });
}

TEST(Gamma_distribution, Spot_values)
{
    tChi_square_distribution k4(4.0L), k2(2.0L), k1(1.0L), k10(10.0L), k2000(2000.0L);
    tGamma_distribution exponential(1.0L, 2.0L);
    // The decimals: mpmath at 30 digits (gammainc regularized at k/2 and x/2, its inverse by
    // findroot), rounded; the others are closed forms.
    Expect_values({
        {"k4_mean", [&] { return k4.Mean(); }, 4.0L, 0.0L},
        {"k4_variance", [&] { return k4.Variance(); }, 8.0L, 0.0L},
        {"k4_std_deviation", [&] { return k4.Std_deviation(); }, std::sqrt(8.0L), 1e-18L},
        {"k4_cdf_below", [&] { return k4.Cdf(-1.0L); }, 0.0L, 0.0L},
        {"k4_cdf_0", [&] { return k4.Cdf(0.0L); }, 0.0L, 0.0L},
        {"k4_density_0", [&] { return k4.Density(0.0L); }, 0.0L, 0.0L},
        {"k2_density_0_is_rate", [&] { return k2.Density(0.0L); }, 0.5L, 0.0L},
        {"k2_cdf_2", [&] { return k2.Cdf(2.0L); }, 1.0L - std::exp(-1.0L), 1e-10L},
        {"k1_density_0_outside", [&] { return k1.Density(0.0L); }, 0.0L, 0.0L},
        {"k1_cdf_0_outside", [&] { return k1.Cdf(0.0L); }, 0.0L, 0.0L},
        {"k10_quantile_975", [&] { return k10.Quantile(0.975L); }, 20.4831774L, 1e-7L},
        {"k10_quantile_025", [&] { return k10.Quantile(0.025L); }, 3.2469728L, 1e-7L},
        {"k10_quantile_0", [&] { return k10.Quantile(0.0L); }, 0.0L, 0.0L},
        {"k10_quantile_1", [&] { return k10.Quantile(1.0L); }, 2147483647.0L, 0.0L},
        {"k2000_cdf_1900", [&] { return k2000.Cdf(1900.0L); }, 0.05505L, 1e-5L},
        {"k2000_cdf_2000", [&] { return k2000.Cdf(2000.0L); }, 0.5042L, 1e-4L},
        {"k2000_cdf_2100", [&] { return k2000.Cdf(2100.0L); }, 0.9413L, 1e-4L},
        {"exponential_density_0", [&] { return exponential.Density(0.0L); }, 2.0L, 0.0L},
        {"exponential_cdf_1", [&] { return exponential.Cdf(1.0L); }, 0.8646647168L, 1e-10L},
        // Rate above 1: beyond 2147483647/β the probability is 1, not a refusal.
        {"far_tail_with_large_rate", [] { return tGamma_distribution(3.0L, 4.0L).Cdf(1e9L); }, 1.0L, 0.0L},
        {"approximation_far_lower_tail", [] { return tGamma_distribution(1000.0L, 1.0L).Cdf(1e-6L); }, 0.0L, 0.0L},
    });
}

// Just above shape 1, α − h of the sampling bound would round to 0.
TEST(Gamma_distribution, Shape_just_above_one_constructs)
{
    EXPECT_NEAR(tGamma_distribution(1.0L + 1e-10L, 1.0L).Cdf(1.0L), 1.0L - std::exp(-1.0L), 1e-9L);
    EXPECT_NEAR(tT_distribution(2.0L + 2e-10L).Cdf(1.0L), 0.5L + 1.0L / (2.0L * std::sqrt(3.0L)), 1e-9L);
}

// Shape 500 still takes the incomplete gamma, 501 the Wilson–Hilferty formula.
TEST(Gamma_distribution, Approximation_switch_above_shape_500)
{
    auto wilson_hilferty = [](Extended shape, Extended x) {
        const Extended w = std::cbrt(x / shape) - 1.0L + 1.0L / (9.0L * shape);
        return 0.5L * std::erfc(-3.0L * std::sqrt(shape) * w / std::sqrt(2.0L));
    };
    tGamma_distribution at_500(500.0L, 1.0L), at_501(501.0L, 1.0L);
    EXPECT_NEAR(at_501.Cdf(480.0L), wilson_hilferty(501.0L, 480.0L), 1e-11L);
    EXPECT_GT(std::fabs(at_500.Cdf(480.0L) - wilson_hilferty(500.0L, 480.0L)), 1e-7L);
    EXPECT_NEAR(at_500.Cdf(480.0L), Incomplete_gamma(480.0L, 500.0L), 0.0L);
}

TEST(T_distribution, Spot_values)
{
    tT_distribution t1(1.0L), t2(2.0L), t4(4.0L), t10(10.0L), t1000(1000.0L), t1001(1001.0L), t2000(2000.0L);
    tNormal_distribution standard(0.0L, 1.0L);
    // The quantile 2.2281388520: mpmath at 30 digits (betainc, inverted by findroot), rounded;
    // the others are closed forms.
    Expect_values({
        {"t1_cdf_0", [&] { return t1.Cdf(0.0L); }, 0.5L, 0.0L},
        {"t2000_cdf_0", [&] { return t2000.Cdf(0.0L); }, 0.5L, 0.0L},
        {"t1_cdf_1", [&] { return t1.Cdf(1.0L); }, 0.75L, 1e-12L},
        {"t1_density_0", [&] { return t1.Density(0.0L); }, 1.0L / Pi, 1e-11L},
        {"t2_cdf_1", [&] { return t2.Cdf(1.0L); }, 0.5L + 1.0L / (2.0L * std::sqrt(3.0L)), 1e-12L},
        {"t4_density_0", [&] { return t4.Density(0.0L); }, 0.375L, 1e-11L},
        {"t4_variance", [&] { return t4.Variance(); }, 2.0L, 0.0L},
        {"t10_cdf", [&] { return t10.Cdf(2.2281388520L); }, 0.975L, 1e-10L},
        {"t10_symmetry", [&] { return t10.Cdf(-1.3L) + t10.Cdf(1.3L); }, 1.0L, 1e-15L},
        {"t2000_is_normal", [&] { return t2000.Cdf(1.9599639845L); }, standard.Cdf(1.9599639845L), 0.0L},
        {"t1001_is_normal", [&] { return t1001.Cdf(1.5L); }, standard.Cdf(1.5L), 0.0L},
        {"t1000_far_tail", [&] { return t1000.Cdf(70000.0L); }, 1.0L, 1e-15L},
        {"t2000_far_tail", [&] { return t2000.Cdf(70000.0L); }, 1.0L, 0.0L},
        {"density_outside", [&] { return t4.Density(-3e9L); }, 0.0L, 0.0L},
        // Beyond the support the tail still falls as x^−4 (Boost.Math at 50 digits).
        {"cdf_below_support", [&] { return t4.Cdf(-3e9L); }, 3.70370370370370370096e-38L, 1e-48L},
        {"t10_quantile", [&] { return t10.Quantile(0.975L); }, 2.2281388520L, 1e-9L},
        {"t1_quantile_without_moments", [&] { return t1.Quantile(0.75L); }, 1.0L, 1e-9L},
    });
}

TEST(T_distribution, Normal_branch_only_above_1000)
{
    // The t tail is heavier: at ν = 1000, Cdf(1.5) lies about 1.6e-4 below Φ(1.5).
    EXPECT_LT(tT_distribution(1000.0L).Cdf(1.5L), tNormal_distribution(0.0L, 1.0L).Cdf(1.5L) - 1e-4L);
}

TEST(T_distribution, Moments_exist_by_degrees_of_freedom)
{
    EXPECT_FALSE(tT_distribution(1.0L).Has_mean());
    EXPECT_TRUE(tT_distribution(1.5L).Has_mean());
    EXPECT_FALSE(tT_distribution(2.0L).Has_variance());
    EXPECT_TRUE(tT_distribution(2.5L).Has_variance());
    EXPECT_EQ(Refusal_text([] { tT_distribution(0.5L).Mean(); }), Message_text(1362));
    EXPECT_EQ(Refusal_text([] { tT_distribution(2.0L).Std_deviation(); }), Message_text(1363));
    EXPECT_EQ(Refusal_text([] { tT_distribution(2.0L).Variance(); }), Message_text(1363));
}

// The sampling bound is built in the logarithmic domain: every admissible ν constructs.
TEST(T_distribution, Large_degrees_of_freedom_construct)
{
    for (Extended nu : {5296.0L, 5297.0L, 1e6L, 2147483646.0L}) {
        tT_distribution t(nu);
        EXPECT_NEAR(t.Cdf(1.0L), 0.8413447461L, 1e-10L) << nu;
    }
}

struct Refusal_row {
    const char* name;
    std::function<void()> call;
    std::string message;
};

TEST(Parameters, Refusals_name_the_printed_bound)
{
    const std::vector<Refusal_row> rows = {
        {"normal_mean_at_lower", [] { tNormal_distribution(-2147483647.0L, 1.0L); }, Bound_text(1301, "-2147483647")},
        {"normal_mean_at_upper", [] { tNormal_distribution(2147483647.0L, 1.0L); }, Bound_text(1303, "2147483647")},
        {"normal_zero_variance", [] { tNormal_distribution(0.0L, 0.0L); }, Bound_text(1305, "0")},
        {"normal_negative_variance", [] { tNormal_distribution(0.0L, -1.0L); }, Bound_text(1305, "0")},
        {"normal_variance_at_upper", [] { tNormal_distribution(0.0L, 2147483647.0L); }, Bound_text(1303, "2147483647")},
        {"gamma_zero_shape", [] { tGamma_distribution(0.0L, 1.0L); }, Bound_text(1301, "0")},
        {"gamma_zero_rate", [] { tGamma_distribution(1.0L, 0.0L); }, Bound_text(1305, "0")},
        {"gamma_shape_at_upper", [] { tGamma_distribution(2147483647.0L, 1.0L); }, Bound_text(1303, "2147483647")},
        {"chi_square_zero", [] { tChi_square_distribution(0.0L); }, Bound_text(1301, "0")},
        {"t_zero", [] { tT_distribution(0.0L); }, Bound_text(1301, "0")},
        {"t_at_upper", [] { tT_distribution(2147483647.0L); }, Bound_text(1303, "2147483647")},
        {"t_far_above", [] { tT_distribution(5e9L); }, Bound_text(1303, "2147483647")},
        {"quantile_below_0", [] { tNormal_distribution(0.0L, 1.0L).Quantile(-0.01L); }, Bound_text(1302, "0")},
        {"quantile_above_1", [] { tNormal_distribution(0.0L, 1.0L).Quantile(1.01L); }, Bound_text(1315, "1")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Refusal_text(row.call), row.message) << row.name;
}

// A refused Set_parameters keeps the derived fields of the previous values.
TEST(Parameters, Refused_change_keeps_the_object_usable)
{
    tT_distribution t(10.0L);
    EXPECT_THROW(t.Set_parameters(-1.0L, 0.0L, 0.0L), EArgumentError);
    EXPECT_NEAR(t.Cdf(2.2281388520L), 0.975L, 1e-10L);
    EXPECT_TRUE(t.Set_parameters(0.5L, 0.0L, 0.0L));
    EXPECT_FALSE(t.Has_mean());
}

TEST(Interval_probability, Ends_and_clamping)
{
    tNormal_distribution standard(0.0L, 1.0L);
    tChi_square_distribution k4(4.0L);
    EXPECT_EQ(standard.Interval_probability(1.0L, -1.0L), 0.0L);
    EXPECT_EQ(standard.Interval_probability(-3e9L, 1.0L), standard.Cdf(1.0L));
    EXPECT_EQ(standard.Interval_probability(1.0L, 2147483647.0L), 1.0L - standard.Cdf(1.0L));
    EXPECT_NEAR(k4.Interval_probability(2.0L, 6.0L), k4.Cdf(6.0L) - k4.Cdf(2.0L), 1e-18L);
    EXPECT_EQ(k4.Interval_probability(-5.0L, 3e9L), 1.0L);
    EXPECT_EQ(standard.Point_probability(0.0L), 0.0L);
}

}  // namespace

namespace {

// No class of the library declares a whole-number parameter; this one
// declares three, with limits (0, 10), to exercise that path of the check.
class Whole_parameters : public tContinuous_distribution {
public:
    Whole_parameters()
    {
        Parameter_count = 3;
        for (int i = 1; i <= 3; ++i)
            Declare_parameter(i, 0.0L, 10.0L, true);
    }
    Extended Mean() const override { return 0.0L; }
    Extended Variance() const override { return 1.0L; }
};

TEST(Parameters, Whole_number_checks)
{
    const std::vector<Refusal_row> rows = {
        {"p1_not_whole", [] { Whole_parameters().Set_parameters(2.5L, 1.0L, 1.0L); }, Message_text(1304)},
        {"p2_not_whole", [] { Whole_parameters().Set_parameters(2.0L, 1.5L, 1.0L); }, Message_text(1308)},
        {"p3_not_whole", [] { Whole_parameters().Set_parameters(2.0L, 1.0L, 7.25L); }, Message_text(1312)},
        {"p1_at_upper", [] { Whole_parameters().Set_parameters(10.0L, 1.0L, 1.0L); }, Bound_text(1303, "10")},
        {"p2_at_upper", [] { Whole_parameters().Set_parameters(1.0L, 10.0L, 1.0L); }, Bound_text(1307, "10")},
        {"p3_at_upper", [] { Whole_parameters().Set_parameters(1.0L, 1.0L, 11.0L); }, Bound_text(1311, "10")},
        {"p2_at_lower", [] { Whole_parameters().Set_parameters(1.0L, 0.0L, 1.0L); }, Bound_text(1305, "0")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Refusal_text(row.call), row.message) << row.name;
    EXPECT_TRUE(Whole_parameters().Set_parameters(3.0L, 9.0L, 7.0L + 1e-12L));
}

}  // namespace
