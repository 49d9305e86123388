// The quantile search over the whole range of chi-square degrees of freedom
// that a comparison can ask for (k = N − 1 up to 2147483646), where the
// quantile's ulp exceeds the closeness tolerance.
#include "distrib.h"

#include <boost/math/distributions/gamma.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr Extended Probabilities[] = {0.025L, 0.05L, 0.95L, 0.975L};

// Wilson–Hilferty quantile of chi-square with k degrees of freedom, the
// library's own distribution function above shape 500 (z from the normal quantile).
Extended Wilson_hilferty_quantile(Extended k, Extended z)
{
    const Extended c = 2.0L / (9.0L * k);
    const Extended r = 1.0L - c + z * std::sqrt(c);
    return k * r * r * r;
}

constexpr Extended Z[] = {-1.959963984540054L, -1.644853626951472L, 1.644853626951472L, 1.959963984540054L};

class Large_chi_square : public testing::TestWithParam<Extended> {};

TEST_P(Large_chi_square, Quantile_converges_to_the_root)
{
    const Extended k = GetParam();
    tChi_square_distribution chi_square(k);
    for (int i = 0; i < 4; ++i) {
        const Extended expected = Wilson_hilferty_quantile(k, Z[i]);
        if (expected >= Integer_range_limit) {
            EXPECT_THROW(chi_square.Quantile(Probabilities[i]), EConvergence_error) << k;
            continue;
        }
        const Extended x = chi_square.Quantile(Probabilities[i]);
        EXPECT_NEAR(x / expected, 1.0L, 1e-9L) << "k " << k << " p " << Probabilities[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Degrees_of_freedom, Large_chi_square,
                         testing::Values(1002.0L, 12345.0L, 999998.0L, 1e7L + 1.0L, 123456789.0L, 1e9L,
                                         2147000000.0L, 2147483000.0L, 2147483646.0L),
                         // Every row is a whole number of degrees of freedom.
                         [](const auto& info) { return "Df_" + std::to_string(static_cast<long long>(info.param)); });

// The target above the support's end is out of reach: an error, not a hang.
TEST(Quantile_search, Target_outside_the_support_is_an_error)
{
    tChi_square_distribution chi_square(2147483646.0L);
    EXPECT_THROW(chi_square.Quantile(0.975L), EConvergence_error);
    EXPECT_NO_THROW(chi_square.Quantile(0.025L));
}

// Below the initial bracket the search widens downwards.
TEST(Quantile_search, Widens_downwards_far_from_zero)
{
    tNormal_distribution shifted(1e9L, 1.0L);
    EXPECT_NEAR(shifted.Quantile(0.001L) - 1e9L, -3.090232306167813L, 1e-6L);
    EXPECT_NEAR(shifted.Quantile(0.999L) - 1e9L, 3.090232306167813L, 1e-6L);
}

// The search stops on an absolute step below 5e-12: a quantile near 0 is
// found to that absolute accuracy, not to relative accuracy.
TEST(Quantile_search, Gamma_with_shape_below_one)
{
    tGamma_distribution gamma(0.3L, 2.0L);
    const boost::math::gamma_distribution<Extended> oracle(0.3L, 0.5L);
    for (Extended p : {1e-6L, 0.01L, 0.5L, 0.99L})
        EXPECT_NEAR(gamma.Quantile(p), boost::math::quantile(oracle, p), 1e-10L) << p;
}

}  // namespace

namespace {

// A distribution of its own that gives only Cdf and Density, here those of a
// library class with the calls counted, and its support and moments.
template <typename Library_class>
class Counting : public tContinuous_distribution {
public:
    template <typename... Parameters>
    explicit Counting(Parameters... parameters) : inner_(parameters...)
    {
        Support_lower = inner_.Quantile(0.0L);
        Support_upper = inner_.Quantile(1.0L);
    }
    Extended Cdf(Extended x) const override
    {
        ++Cdf_calls;
        return inner_.Cdf(x);
    }
    Extended Density(Extended x) const override
    {
        ++Density_calls;
        return inner_.Density(x);
    }
    bool In_support(Extended x) const override { return inner_.In_support(x); }
    bool Has_mean() const override { return inner_.Has_mean(); }
    bool Has_variance() const override { return inner_.Has_variance(); }
    Extended Mean() const override { return inner_.Mean(); }
    Extended Variance() const override { return inner_.Variance(); }
    mutable int Cdf_calls = 0;
    mutable int Density_calls = 0;

private:
    Library_class inner_;
};

template <typename Library_class, typename... Parameters>
void Expect_its_operations_called(Parameters... parameters)
{
    Counting<Library_class> counting(parameters...);
    const Library_class plain(parameters...);
    for (const Extended p : {0.025L, 0.975L})
        EXPECT_EQ(counting.Quantile(p), plain.Quantile(p)) << p;
    EXPECT_GT(counting.Cdf_calls, 2);
    EXPECT_GT(counting.Density_calls, 1);
}

// The library's own classes are searched without a floating-point scope per
// evaluation (their Cdf and Density are final, so no derived class can
// change what that evaluates); a new distribution that gives only its Cdf and
// Density needs nothing more: the search calls them, and the root is the
// same bit for bit.
TEST(Quantile_search, Calls_the_operations_of_a_distribution_of_its_own)
{
    for (const Extended k : {3.0L, 19.0L, 999.0L, 4999.0L})
        Expect_its_operations_called<tChi_square_distribution>(k);
    Expect_its_operations_called<tGamma_distribution>(2.5L, 3.0L);
    Expect_its_operations_called<tNormal_distribution>(10.0L, 4.0L);
    for (const Extended nu : {4.0L, 19.0L, 5000.0L})
        Expect_its_operations_called<tT_distribution>(nu);
}

// Both ends of a credible interval from one distribution: the two searches'
// numbers, bit for bit. Every search evaluates the upper end of the first
// bracket (mean + 2 SD) first, so the second takes it from the first; the
// lower end is evaluated only by a search that does not widen the bracket
// upwards (p above that end's probability), so it is shared when neither
// search does.
TEST(Quantile_search, A_pair_gives_the_numbers_of_two_searches)
{
    struct Row {
        Extended k, p_first, p_second;
        int Evaluations_saved;
    };
    const Row rows[] = {
        // Chi-square(3) has 0.952 below mean + 2 SD, chi-square(19) 0.962.
        {3.0L, 0.975L, 0.025L, 1},       {19.0L, 0.95L, 0.05L, 2},       {19.0L, 0.025L, 0.975L, 1},
        {4999.0L, 0.975L, 0.025L, 2},    {1e6L, 0.9995L, 0.0005L, 1},    {19.0L, 0.999999L, 0.5L, 1},
        {19.0L, 0.5L, 0.000001L, 2},     {123456789.0L, 0.975L, 0.025L, 2},
    };
    for (const Row& row : rows) {
        Counting<tChi_square_distribution> apart(row.k);
        Counting<tChi_square_distribution> paired(row.k);
        const Extended first = apart.Quantile(row.p_first);
        const Extended second = apart.Quantile(row.p_second);
        const auto [paired_first, paired_second] = paired.Quantiles(row.p_first, row.p_second);
        EXPECT_EQ(paired_first, first) << static_cast<double>(row.k);
        EXPECT_EQ(paired_second, second) << static_cast<double>(row.k);
        EXPECT_EQ(apart.Cdf_calls - paired.Cdf_calls, row.Evaluations_saved) << static_cast<double>(row.k);
        EXPECT_EQ(apart.Density_calls, paired.Density_calls) << static_cast<double>(row.k);
    }
    // The first search's error is the pair's.
    const tChi_square_distribution widest(2147483646.0L);
    EXPECT_THROW(widest.Quantiles(0.975L, 0.025L), EConvergence_error);
}

// Parameters whose set-up or bracket raises a flag or leaves the support
// report as they always did.
TEST(Quantile_search, Extreme_gammas_report_their_errors)
{
    struct Row {
        Extended shape, rate, p;
        std::string message;
    };
    const Row rows[] = {
        {1e-6L, 1e-4930L, 0.5L, "Floating point division by zero"},
        {2.0L, 1e-4930L, 0.975L, "Floating point division by zero"},
        {1e-6L, 1e-300L, 0.5L, "The probability 0.5 is not reached inside the support of the distribution"},
        {1e-6L, 1e-9L, 1e-11L, "The quantile search did not converge for the probability 0.00000000001"},
    };
    for (const Row& row : rows) {
        try {
            tGamma_distribution(row.shape, row.rate).Quantile(row.p);
            ADD_FAILURE() << "no error for shape " << static_cast<double>(row.shape);
        } catch (const std::exception& error) {
            EXPECT_EQ(error.what(), row.message) << static_cast<double>(row.shape) << " " << static_cast<double>(row.rate);
        }
    }
}

}  // namespace
