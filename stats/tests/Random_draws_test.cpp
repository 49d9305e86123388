// Random draws against the moments and the distribution function of the
// object that drew them. The generator's sequence is fixed, so the figures are
// reproducible; the tolerances are statistical (about four standard errors),
// so the tests do not depend on which draws came before.
#include "distrib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int Draws = 20000;

struct Draw_row {
    const char* name;
    std::function<std::unique_ptr<tContinuous_distribution>()> make;
    bool check_mean;
    bool check_variance;
};

std::vector<Extended> Draw(tDistribution& distribution)
{
    std::vector<Extended> x(Draws);
    for (Extended& value : x)
        value = distribution.Random_value();
    return x;
}

// Kolmogorov–Smirnov distance between the sample and the distribution function.
Extended Ks_distance(std::vector<Extended> x, const tDistribution& distribution)
{
    std::sort(x.begin(), x.end());
    Extended d = 0.0L;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const Extended f = distribution.Cdf(x[i]);
        d = std::max({d, f - Extended(i) / x.size(), Extended(i + 1) / x.size() - f});
    }
    return d;
}

void PrintTo(const Draw_row& row, std::ostream* out) { *out << row.name; }

class Random_draws : public testing::TestWithParam<Draw_row> {};

TEST_P(Random_draws, Follow_the_distribution)
{
    const auto distribution = GetParam().make();
    const std::vector<Extended> x = Draw(*distribution);
    // Critical value 1.95/sqrt(n) of the KS test at the 0.1% level.
    EXPECT_LT(Ks_distance(x, *distribution), 1.95L / std::sqrt(Extended(Draws)));

    Extended sum = 0.0L;
    for (Extended value : x)
        sum += value;
    const Extended mean = sum / Draws;
    Extended squares = 0.0L;
    for (Extended value : x)
        squares += (value - mean) * (value - mean);
    const Extended variance = squares / (Draws - 1);
    if (GetParam().check_mean) {
        EXPECT_NEAR(mean, distribution->Mean(), 4.0L * distribution->Std_deviation() / std::sqrt(Extended(Draws)));
    }
    if (GetParam().check_variance) {
        EXPECT_NEAR(variance / distribution->Variance(), 1.0L, 0.08L);
    }
}

const Draw_row Rows[] = {
    {"normal_standard", [] { return std::make_unique<tNormal_distribution>(0.0L, 1.0L); }, true, true},
    {"normal_shifted", [] { return std::make_unique<tNormal_distribution>(10.0L, 4.0L); }, true, true},
    {"gamma_shape_below_1", [] { return std::make_unique<tGamma_distribution>(0.4L, 1.0L); }, true, true},
    {"gamma_shape_1", [] { return std::make_unique<tGamma_distribution>(1.0L, 2.0L); }, true, true},
    {"gamma_shape_above_1", [] { return std::make_unique<tGamma_distribution>(3.7L, 0.5L); }, true, true},
    {"gamma_shape_near_1", [] { return std::make_unique<tGamma_distribution>(1.01L, 1.0L); }, true, true},
    {"gamma_shape_just_above_1", [] { return std::make_unique<tGamma_distribution>(1.0L + 1e-10L, 1.0L); }, true, true},
    {"chi_square_10", [] { return std::make_unique<tChi_square_distribution>(10.0L); }, true, true},
    {"t_half", [] { return std::make_unique<tT_distribution>(0.5L); }, false, false},
    {"t_1", [] { return std::make_unique<tT_distribution>(1.0L); }, false, false},
    {"t_3", [] { return std::make_unique<tT_distribution>(3.0L); }, true, false},
    {"t_5", [] { return std::make_unique<tT_distribution>(5.0L); }, true, true},
    {"t_7_3", [] { return std::make_unique<tT_distribution>(7.3L); }, true, true},
    {"t_30", [] { return std::make_unique<tT_distribution>(30.0L); }, true, true},
    {"t_beyond_the_old_bound", [] { return std::make_unique<tT_distribution>(1e6L); }, true, true},
};

INSTANTIATE_TEST_SUITE_P(Distributions, Random_draws, testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Random_draws_t1, Median_of_absolute_value_is_1)
{
    tT_distribution t(1.0L);
    std::vector<Extended> x = Draw(t);
    for (Extended& value : x)
        value = std::fabs(value);
    std::nth_element(x.begin(), x.begin() + Draws / 2, x.end());
    EXPECT_NEAR(x[Draws / 2], 1.0L, 0.05L);
}

// The sampling bounds are formed by the first draw; new parameters must not
// draw with the bounds of the old ones.
TEST(Random_draws_after_new_parameters, Follow_the_new_distribution)
{
    tGamma_distribution gamma(3.0L, 1.0L);
    gamma.Random_value();
    gamma.Set_parameters(400.0L, 2.0L, 0.0L);
    EXPECT_LT(Ks_distance(Draw(gamma), gamma), 1.95L / std::sqrt(Extended(Draws)));

    tT_distribution t(2.5L);
    t.Random_value();
    t.Set_parameters(60.0L, 0.0L, 0.0L);
    EXPECT_LT(Ks_distance(Draw(t), t), 1.95L / std::sqrt(Extended(Draws)));
}

// The base rule draws by inversion: Quantile(Uniform_random()).
class Inverted_normal : public tNormal_distribution {
public:
    Inverted_normal() : tNormal_distribution(0.0L, 1.0L) {}
    Extended Random_value() override { return tDistribution::Random_value(); }
};

TEST(Random_draws_inversion, Base_rule_follows_the_distribution)
{
    Inverted_normal normal;
    std::vector<Extended> x(2000);
    for (Extended& value : x)
        value = normal.Random_value();
    EXPECT_LT(Ks_distance(x, normal), 1.95L / std::sqrt(2000.0L));
}

}  // namespace
