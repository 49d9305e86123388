// NaN and infinities into every public function: a value or one of the
// library's exceptions, never a hang (CTest's timeout guards the hang).
#include "distrib.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace {

constexpr Extended Nan = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended Inf = std::numeric_limits<Extended>::infinity();
constexpr Extended Inputs[] = {Nan, Inf, -Inf};

enum class Outcome { Value, Argument_error, EFloating_point_error, Convergence_error };

Outcome Outcome_of(const std::function<void()>& call)
{
    try {
        call();
        return Outcome::Value;
    } catch (const EArgumentError&) {
        return Outcome::Argument_error;
    } catch (const EFloating_point_error&) {
        return Outcome::EFloating_point_error;
    } catch (const EConvergence_error&) {
        return Outcome::Convergence_error;
    }
}

// Each call must end with a value or a library exception: a hang fails on
// CTest's timeout, any other exception or a crash fails the test.
TEST(Non_finite, Free_functions_end)
{
    for (Extended v : Inputs) {
        const std::function<void()> calls[] = {
            [=] { Same_value(v, 1.0L); },       [=] { Same_value(v, v); },
            [=] { Is_whole_number(v); },        [=] { Float_text(v); },
            [=] { Check_bound(1301, v, 0.0L); }, [=] { Check_bound(1301, 1.0L, v); },
            [=] { Real_power(v, 2.0L); },       [=] { Real_power(2.0L, v); },
            [=] { Integer_power(v, -3); },      [=] { Ln_gamma(v); },
            [=] { Gamma_series(v, 1.0L); },     [=] { Gamma_series(1.0L, v); },
            [=] { Gamma_cont_fraction(v, 1.0L); }, [=] { Gamma_cont_fraction(2.0L, v); },
            [=] { Incomplete_gamma(v, 1.0L); }, [=] { Incomplete_gamma(1.0L, v); },
            [=] { Beta_cont_fraction(v, 1.0L, 1.0L); }, [=] { Beta_cont_fraction(0.5L, v, 1.0L); },
            [=] { Beta_cont_fraction(0.5L, 1.0L, v); }, [=] { Incomplete_beta(v, 2.0L, 3.0L); },
            [=] { Incomplete_beta(0.5L, v, 3.0L); },  [=] { Incomplete_beta(0.5L, 2.0L, v); },
        };
        for (const auto& call : calls)
            Outcome_of(call);
    }
}

TEST(Non_finite, Specific_outcomes)
{
    EXPECT_EQ(Outcome_of([] { Same_value(Nan, 0.0L); }), Outcome::EFloating_point_error);
    EXPECT_EQ(Outcome_of([] { Same_value(Inf, Inf); }), Outcome::EFloating_point_error);
    EXPECT_FALSE(Same_value(Inf, 0.0L));
    EXPECT_FALSE(Is_whole_number(Inf));
    EXPECT_EQ(Float_text(Nan), "NaN");
    EXPECT_EQ(Outcome_of([] { Gamma_cont_fraction(Inf, 1.0L); }), Outcome::EFloating_point_error);
    EXPECT_EQ(Outcome_of([] { Gamma_cont_fraction(Nan, 1.0L); }), Outcome::EFloating_point_error);
    EXPECT_EQ(Outcome_of([] { Beta_cont_fraction(0.5L, Inf, 1.0L); }), Outcome::EFloating_point_error);
    EXPECT_EQ(Outcome_of([] { Incomplete_gamma(Inf, 1.0L); }), Outcome::Argument_error);
    EXPECT_EQ(Outcome_of([] { Incomplete_gamma(Nan, 1.0L); }), Outcome::EFloating_point_error);
    EXPECT_EQ(Incomplete_beta(Inf, 2.0L, 3.0L), 1.0L);
    EXPECT_EQ(Incomplete_beta(-Inf, 2.0L, 3.0L), 0.0L);
}

struct Distribution_row {
    const char* name;
    std::function<std::unique_ptr<tDistribution>()> make;
};

const Distribution_row Distributions[] = {
    {"normal", [] { return std::make_unique<tNormal_distribution>(0.0L, 1.0L); }},
    {"gamma", [] { return std::make_unique<tGamma_distribution>(0.5L, 2.0L); }},
    {"chi_square", [] { return std::make_unique<tChi_square_distribution>(1001.0L); }},
    {"t", [] { return std::make_unique<tT_distribution>(7.0L); }},
    {"t_normal_branch", [] { return std::make_unique<tT_distribution>(5000.0L); }},
};

TEST(Non_finite, Distribution_operations_end)
{
    for (const auto& row : Distributions) {
        auto d = row.make();
        for (Extended v : Inputs) {
            Outcome_of([&] { d->In_support(v); });
            Outcome_of([&] { d->Density(v); });
            Outcome_of([&] { d->Point_probability(v); });
            Outcome_of([&] { d->Interval_probability(v, 1.0L); });
            Outcome_of([&] { d->Interval_probability(0.5L, v); });
            Outcome_of([&] { d->Set_parameters(v, 1.0L, 0.0L); });
            d = row.make();
            Outcome_of([&] { d->Set_parameters(1.0L, v, 0.0L); });
            d = row.make();
            EXPECT_NE(Outcome_of([&] { d->Quantile(v); }), Outcome::Value) << row.name;
        }
        EXPECT_EQ(Outcome_of([&] { d->Cdf(Nan); }), Outcome::EFloating_point_error) << row.name;
        EXPECT_EQ(d->Cdf(Inf), 1.0L) << row.name;
        EXPECT_EQ(d->Cdf(-Inf), 0.0L) << row.name;
        EXPECT_EQ(d->Density(Inf), 0.0L) << row.name;
    }
}

TEST(Non_finite, Constructors_refuse)
{
    for (Extended v : Inputs) {
        EXPECT_NE(Outcome_of([=] { tNormal_distribution(v, 1.0L); }), Outcome::Value);
        EXPECT_NE(Outcome_of([=] { tNormal_distribution(0.0L, v); }), Outcome::Value);
        EXPECT_NE(Outcome_of([=] { tGamma_distribution(v, 1.0L); }), Outcome::Value);
        EXPECT_NE(Outcome_of([=] { tChi_square_distribution{v}; }), Outcome::Value);
        EXPECT_NE(Outcome_of([=] { tT_distribution{v}; }), Outcome::Value);
    }
}

}  // namespace
