// The library's numeric functions without a floating-point scope of their
// own (internal header). A public operation opens one scope and calls these;
// the public free functions of distrib.h are these inside a scope.
#pragma once

#include "distrib.h"

namespace raw {

Extended Integer_power(Extended x, std::int32_t n);
Extended Real_power(Extended base, Extended exponent);
Extended Ln_gamma(Extended x);
Extended Gamma_series(Extended x, Extended a);
Extended Gamma_cont_fraction(Extended x, Extended a);
Extended Incomplete_gamma(Extended x, Extended a);
// Q(a, x) = 1 − P(a, x) under the same argument checks: the continued
// fraction itself from x = a + 1 on, so that a far upper tail keeps its
// digits instead of cancelling in 1 − P.
Extended Upper_incomplete_gamma(Extended x, Extended a);
Extended Beta_cont_fraction(Extended x, Extended a, Extended b);
Extended Incomplete_beta(Extended x, Extended a, Extended b);

// The standard normal distribution function at z = ±sqrt(2q), the upper sign
// when upper_half: (1 + P(1/2, q)) / 2 above the mean, Q(1/2, q) / 2 below it.
Extended Normal_probability(Extended half_square, bool upper_half);

}  // namespace raw

// Pass limit of the gamma series and the continued fractions, far above what
// they need for any admissible argument (some sqrt(a) passes near x = a), and
// of each loop of the quantile search: a guard against non-finite or
// out-of-range input.
inline constexpr int Series_pass_limit = 1000000;
inline constexpr int Search_pass_limit = 10000;
