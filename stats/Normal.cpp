// The normal distribution with mean μ and variance σ².
#include "Elementary.h"
#include "Floating_point.h"
#include "Raw_functions.h"
#include "distrib.h"

#include <cmath>

namespace {

// ln(2π) and sqrt(2/e) at extended precision, as std::log and std::sqrt with
// std::exp(1) give them (a test compares).
constexpr Extended Log_two_pi = 0xe.b3f8e4325f5a535p-3L;
constexpr Extended Sqrt_two_over_e = 0xd.b9669f9989cc206p-4L;

}  // namespace

// Φ(z) = (1 ± P(1/2, z²/2)) / 2, since P(1/2, z²/2) = P(|Z| <= |z|). Below
// the mean the same value is Q(1/2, z²/2) / 2 with Q = 1 − P, taken from the
// upper incomplete gamma directly: 1/2 − P/2 would cancel to a multiple of
// 2^−65 in the far tail. Beyond q = z²/2 = 2147483647 (|z| about 65536) the
// argument leaves the range of Incomplete_gamma, but P is 1 to extended
// precision long before that, so Φ is 1 or 0 there.
Extended raw::Normal_probability(Extended half_square, bool upper_half)
{
    if (half_square > Integer_range_limit)
        return upper_half ? 1.0L : 0.0L;
    if (upper_half)
        return 0.5L + 0.5L * raw::Incomplete_gamma(half_square, 0.5L, Ln_gamma_of_half);
    return 0.5L * raw::Upper_incomplete_gamma(half_square, 0.5L, Ln_gamma_of_half);
}

// Beyond |z| = 65536, where z² might leave the extended range, Φ is 0 or 1
// to extended precision.
Extended raw::Standard_normal_cdf(Extended z)
{
    if (std::fabs(z) > 65536.0L)
        return z > 0.0L ? 1.0L : 0.0L;
    return raw::Normal_probability(z * z / 2.0L, z >= 0.0L);
}

tNormal_distribution::tNormal_distribution(Extended mu, Extended sigma_squared)
{
    Parameter_count = 2;
    Declare_parameter(1, -Integer_range_limit, Integer_range_limit);
    Declare_parameter(2, 0.0L, Integer_range_limit);
    Set_parameters(mu, sigma_squared, 0.0L);
}

bool tNormal_distribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    const bool result = tContinuous_distribution::Set_parameters(p1, p2, p3);
    Floating_point_scope scope;
    Mu = p1;
    Sigma_squared = p2;
    Sigma = std::sqrt(p2);
    Log_density_constant = -(Log_two_pi + Ln(Sigma_squared)) / 2.0L;
    // The ratio-of-uniforms region of exp(−x²/2) has v-extent sqrt(2/e).
    Sampling_constant = Sqrt_two_over_e;
    scope.Check();
    return result;
}

Extended tNormal_distribution::Unscoped_density(Extended x) const
{
    if (!In_support(x))
        return 0.0L;
    const Extended d = x - Mu;
    return Exp(Log_density_constant - d * d / (2.0L * Sigma_squared));
}

Extended tNormal_distribution::Unscoped_cdf(Extended x) const
{
    if (!In_support(x))
        return tDistribution::Cdf(x);
    return raw::Standard_normal_cdf((x - Mu) / Sigma);
}

Extended tNormal_distribution::Density(Extended x) const { return Scoped_density(x); }

Extended tNormal_distribution::Cdf(Extended x) const { return Scoped_cdf(x); }

bool tNormal_distribution::Evaluates_unscoped() const { return true; }

// 1 − Φ(z) = Φ(−z) by symmetry, so the upper tail is as exact as the lower.
Extended tNormal_distribution::Upper_tail(Extended x) const
{
    if (!In_support(x))
        return 1.0L - tDistribution::Cdf(x);
    Floating_point_scope scope;
    return scope.Checked(raw::Standard_normal_cdf(-((x - Mu) / Sigma)));
}

Extended tNormal_distribution::Mean() const { return Mu; }

Extended tNormal_distribution::Variance() const { return Sigma_squared; }

// Kinderman and Monahan's ratio of uniforms: x = v/u is standard normal when
// (u, v) is uniform on u² <= exp(−x²/2), that is x² <= −4 ln u. The quick tests
// use 4(1 − u) + 2(1 − u)² <= −4 ln u <= 2/u − 2u.
Extended tNormal_distribution::Random_value()
{
    Floating_point_scope scope;
    Extended x;
    for (;;) {
        const Extended u = Uniform_random();
        const Extended v = (2.0L * Uniform_random() - 1.0L) * Sampling_constant;
        x = v / u;
        const Extended x2 = x * x;
        if (x2 <= 2.0L * u * u + 6.0L - 8.0L * u)
            break;
        if (x2 >= 2.0L / u - 2.0L * u)
            continue;
        if (x2 <= -4.0L * Ln(u))
            break;
    }
    return scope.Checked(Mu + Sigma * x);
}
