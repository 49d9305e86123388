// The library's numeric functions without a floating-point scope of their
// own (internal header). A public operation opens one scope and calls these;
// the public free functions of distrib.h are these inside a scope.
#pragma once

#include <cstdint>

#include "Extended.h"

namespace raw {

bool Same_value(Extended a, Extended b);
Extended Integer_power(Extended x, std::int32_t n);
Extended Real_power(Extended base, Extended exponent);
Extended Ln_gamma(Extended x);
Extended Gamma_series(Extended x, Extended a);
Extended Gamma_cont_fraction(Extended x, Extended a);
Extended Incomplete_gamma(Extended x, Extended a);
Extended Beta_cont_fraction(Extended x, Extended a, Extended b);
Extended Incomplete_beta(Extended x, Extended a, Extended b);

// The same with ln Γ(a) given: a distribution of fixed shape computes it
// once, when its parameters are set.
Extended Gamma_series(Extended x, Extended a, Extended ln_gamma_a);
Extended Gamma_cont_fraction(Extended x, Extended a, Extended ln_gamma_a);
Extended Incomplete_gamma(Extended x, Extended a, Extended ln_gamma_a);

// Q(a, x) = 1 − P(a, x) under the same argument checks: the continued
// fraction itself from x = a + 1 on, so that a far upper tail keeps its
// digits instead of cancelling in 1 − P.
Extended Upper_incomplete_gamma(Extended x, Extended a, Extended ln_gamma_a);

// ln Γ(a + b), ln Γ(a) and ln Γ(b) of an incomplete beta function of fixed
// a and b (the t distribution's ν/2 and 1/2), computed once.
struct Beta_log_gammas {
    Extended Of_sum = 0;
    Extended Of_a = 0;
    Extended Of_b = 0;
};
Beta_log_gammas Log_gammas_of_beta(Extended a, Extended b);
Extended Incomplete_beta(Extended x, Extended a, Extended b, const Beta_log_gammas& log_gammas);

// The real cube root of y > 0: the double's cube root refined by one Newton
// step in extended precision, within an ulp of the exact root.
Extended Cube_root(Extended y);

// The standard normal distribution function at z = ±sqrt(2q), the upper sign
// when upper_half: (1 + P(1/2, q)) / 2 above the mean, Q(1/2, q) / 2 below it.
Extended Normal_probability(Extended half_square, bool upper_half);
// Φ(z) of the standard normal at any finite z.
Extended Standard_normal_cdf(Extended z);

}  // namespace raw

// ln Γ(1/2) as Ln_gamma gives it: the series' own value, 3.8e-12 below the
// true 0.5723649429247..., so that every normal probability keeps the value
// it had when Ln_gamma(1/2) was evaluated at each use.
inline constexpr Extended Ln_gamma_of_half = 0x9.286824738ea4fd8p-4L;

// Pass limit of the gamma series and the continued fractions, far above what
// they need for any admissible argument (some sqrt(a) passes near x = a), and
// of each loop of the quantile search: a guard against non-finite or
// out-of-range input.
inline constexpr int Series_pass_limit = 1000000;
inline constexpr int Search_pass_limit = 10000;
