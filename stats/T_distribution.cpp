// Student's t distribution with ν > 0 degrees of freedom.
#include "Elementary.h"
#include "Floating_point.h"
#include "Raw_functions.h"
#include "distrib.h"

#include <cmath>

namespace {

constexpr Extended Pi = 3.141592653589793238462643383279502884L;

// The ratio-of-uniforms bound of the t density for ν >= 1,
//   (ν − 1)^((ν−1)/4) · sqrt(2ν) / (ν + 1)^((ν+1)/4),
// taken through its logarithm so that no power leaves the extended range:
//   ln = ((ν−1)/4) ln((ν−1)/(ν+1)) − (1/2) ln(ν+1) + (1/2) ln(2ν),
// with ln((ν−1)/(ν+1)) = log1p(−2/(ν+1)). At ν = 1 the first factor is 0^0 = 1.
Extended T_sampling_bound(Extended nu)
{
    const Extended power_ratio =
        nu == 1.0L ? -Ln(nu + 1.0L) / 2.0L
                   : (nu - 1.0L) / 4.0L * Ln_one_plus(-2.0L / (nu + 1.0L)) - Ln(nu + 1.0L) / 2.0L;
    return Exp(power_ratio + Ln(2.0L * nu) / 2.0L);
}

}  // namespace

tT_distribution::tT_distribution(Extended nu)
{
    Parameter_count = 1;
    Declare_parameter(1, 0.0L, Integer_range_limit);
    Standard_normal.emplace(0.0L, 1.0L);
    Gamma_helper.emplace(nu / 2.0L, 1.0L);
    Set_parameters(nu, 0.0L, 0.0L);
}

tT_distribution::~tT_distribution()
{
    Standard_normal.reset();
    Gamma_helper.reset();
}

bool tT_distribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    const bool result = tContinuous_distribution::Set_parameters(p1, p2, p3);
    Floating_point_scope scope;
    const Extended nu = p1;
    Degrees_of_freedom = nu;
    // ln Γ((ν+1)/2) and ln Γ(ν/2) serve the density and, with ln Γ(1/2), the
    // incomplete beta I_w(ν/2, 1/2) of every Cdf ((ν+1)/2 = ν/2 + 1/2 exactly
    // as rounded, since halving is exact).
    Ln_gamma_of_half_sum = raw::Ln_gamma((nu + 1.0L) / 2.0L);
    Ln_gamma_of_half_nu = raw::Ln_gamma(nu / 2.0L);
    Log_density_constant = Ln_gamma_of_half_sum - Ln_gamma_of_half_nu - Ln(nu * Pi) / 2.0L;
    // The ratio-of-uniforms bound for ν >= 1 (three logarithms and an
    // exponential, no flag for any admissible ν) is formed by the first draw.
    Sampling_bound_current = false;
    if (nu < 1.0L) {
        Sampling_constant = std::sqrt(nu / 2.0L);
        Gamma_helper->Set_parameters(nu / 2.0L, 1.0L, 0.0L);
    }
    scope.Check();
    return result;
}

// Γ((ν+1)/2) / (Γ(ν/2) sqrt(νπ)) · (ν / (ν + x²))^((ν+1)/2).
Extended tT_distribution::Unscoped_density(Extended x) const
{
    if (!In_support(x))
        return 0.0L;
    const Extended nu = Degrees_of_freedom;
    return Exp(Log_density_constant + ((nu + 1.0L) / 2.0L) * Ln(nu / (nu + x * x)));
}

// P(|T| > |x|) = I_w(ν/2, 1/2) with w = ν / (ν + x²), at every finite x:
// the tail falls only as |x|^−ν, so far beyond the support's ±2147483647 it
// is still a number to be written with its digits. From |x| = 2^4000 on, x²
// nears the end of the extended range and w < 2^−7969; there I_w(a, b) is
// the first term of its series about 0,
//   I_w(a, b) = w^a / (a B(a, b)) · (1 + a(1 − b)/(a + 1) · w + ...),
// to the last bit, with ln w = ln ν − 2 ln|x| (ν + x² is x² there).
Extended tT_distribution::Two_sided_tail(Extended x) const
{
    constexpr Extended Far_out = 0x1p4000L;
    const Extended nu = Degrees_of_freedom;
    const Extended a = nu / 2.0L;
    if (std::fabs(x) < Far_out)
        return raw::Incomplete_beta(nu / (nu + x * x), a, 0.5L,
                                    {Ln_gamma_of_half_sum, Ln_gamma_of_half_nu, Ln_gamma_of_half});
    const Extended ln_w = std::log(nu) - 2.0L * std::log(std::fabs(x));
    return std::exp(a * ln_w + Ln_gamma_of_half_sum - Ln_gamma_of_half_nu - Ln_gamma_of_half) / a;
}

// Above T_normal_above_df degrees of freedom the standard normal; otherwise
// half the two-sided tail on x's side.
Extended tT_distribution::Unscoped_cdf(Extended x) const
{
    if (std::isinf(x))
        return tContinuous_distribution::Cdf(x);
    if (Degrees_of_freedom > T_normal_above_df)
        return raw::Standard_normal_cdf(x);
    const Extended tail = Two_sided_tail(x);
    return x >= 0.0L ? 1.0L - tail / 2.0L : tail / 2.0L;
}

Extended tT_distribution::Density(Extended x) const { return Scoped_density(x); }

// Every finite x, beyond the support too, is a computation in a scope of its
// own; the infinities are the base's 0 and 1, without arithmetic.
Extended tT_distribution::Cdf(Extended x) const
{
    Check_number(x);
    if (std::isinf(x))
        return Unscoped_cdf(x);
    Floating_point_scope scope;
    return scope.Checked(Unscoped_cdf(x));
}

bool tT_distribution::Evaluates_unscoped() const { return true; }

// 1 − T(x) = T(−x) by symmetry; for x > 0 that is I/2 itself (or the normal
// branch's Q/2), without the cancellation of 1 − (1 − I/2).
Extended tT_distribution::Upper_tail(Extended x) const { return tT_distribution::Cdf(-x); }

bool tT_distribution::Has_mean() const { return Degrees_of_freedom > 1.0L; }

bool tT_distribution::Has_variance() const { return Degrees_of_freedom > 2.0L; }

Extended tT_distribution::Mean() const
{
    Check_argument(!Has_mean(), 1362);
    return 0.0L;
}

Extended tT_distribution::Variance() const
{
    Check_argument(!Has_variance(), 1363);
    Floating_point_scope scope;
    return scope.Checked(Degrees_of_freedom / (Degrees_of_freedom - 2.0L));
}

// ν = 1 and ν = 3 from a point (c, b) uniform in the unit disc: b/c is Cauchy
// and sqrt(3) b / (c + 1) is t with 3 degrees of freedom. Other ν >= 1 by the
// ratio of uniforms: x = v/u is accepted when u² <= (1 + x²/ν)^(−(ν+1)/2),
// that is ν (u^(−4/(ν+1)) − 1) >= x². Below ν = 1, z / sqrt(χ²_ν / ν) with
// χ²_ν = 2g, g gamma with shape ν/2 and rate 1.
Extended tT_distribution::Random_value()
{
    const Extended nu = Degrees_of_freedom;
    if (nu < 1.0L) {
        const Extended z = Standard_normal->Random_value();
        const Extended g = Gamma_helper->Random_value();
        Floating_point_scope scope;
        return scope.Checked(z * Sampling_constant / std::sqrt(g));
    }
    Floating_point_scope scope;
    if (nu == 1.0L || nu == 3.0L) {
        Extended c, b;
        do {
            c = 2.0L * Uniform_random() - 1.0L;
            b = 2.0L * Uniform_random() - 1.0L;
        } while (c * c + b * b > 1.0L);
        return scope.Checked(nu == 1.0L ? b / c : std::sqrt(3.0L) * b / (c + 1.0L));
    }
    if (!Sampling_bound_current) {
        Sampling_constant = T_sampling_bound(nu);
        Sampling_bound_current = true;
    }
    for (;;) {
        const Extended u = Uniform_random();
        const Extended v = (2.0L * Uniform_random() - 1.0L) * Sampling_constant;
        const Extended x = v / u;
        if (nu * (raw::Real_power(u, -4.0L / (nu + 1.0L)) - 1.0L) >= x * x)
            return scope.Checked(x);
    }
}
