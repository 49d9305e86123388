// The gamma distribution with shape α and rate β.
#include "Elementary.h"
#include "Floating_point.h"
#include "Raw_functions.h"
#include "distrib.h"

#include <cmath>

tGamma_distribution::tGamma_distribution()
{
    Parameter_count = 2;
    Declare_parameter(1, 0.0L, Integer_range_limit);
    Declare_parameter(2, 0.0L, Integer_range_limit);
}

tGamma_distribution::tGamma_distribution(Extended shape, Extended rate) : tGamma_distribution()
{
    Set_parameters(shape, rate, 0.0L);
}

bool tGamma_distribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    const bool result = tContinuous_distribution::Set_parameters(p1, p2, p3);
    Floating_point_scope scope;
    Shape = p1;
    Rate = p2;
    Ln_gamma_of_shape = raw::Ln_gamma(Shape);
    Log_density_constant = Shape * Ln(Rate) - Ln_gamma_of_shape;
    Support_lower = 0.0L;
    Support_upper = Integer_range_limit;
    // The ratio-of-uniforms bounds of a shape above 1 (four logarithms, two
    // exponentials) are formed by the first draw that needs them: most
    // objects only ever evaluate the distribution function. They raise no
    // flag for any admissible shape, so forming them later changes no error.
    Ratio_bounds_current = false;
    const Extended alpha = Shape;
    if (alpha < 1.0L) {
        // Ahrens and Dieter's GS: b = (e + α) / e and the exponent 1/α.
        const Extended e = Exp(1.0L);
        Sampling_constant_1 = (e + alpha) / e;
        Sampling_constant_2 = 1.0L / alpha;
    }
    scope.Check();
    return result;
}

// Ratio of uniforms for y = x − (α − 1), α > 1: the v-range of the region
// u² <= f(y) runs between (1 ∓ h) sqrt(f at y = ∓h), h = sqrt(2α − 1).
// The lower end needs ln((α − h)/(α − 1)); since α² − h² = (α − 1)²,
// α − h = (α − 1)² / (α + h), and the ratio is (α − 1)/(α + h), which does
// not cancel to 0 for a shape just above 1.
void tGamma_distribution::Set_ratio_bounds()
{
    const Extended alpha = Shape;
    const Extended h = std::sqrt(2.0L * alpha - 1.0L);
    Sampling_constant_1 =
        (1.0L - h) * std::sqrt(Exp((alpha - 1.0L) * (Ln(alpha - 1.0L) - Ln(alpha + h)) + h - 1.0L));
    Sampling_constant_2 =
        (1.0L + h) * std::sqrt(Exp((alpha - 1.0L) * (Ln(alpha + h) - Ln(alpha - 1.0L)) - h - 1.0L));
    Ratio_bounds_current = true;
}

bool tGamma_distribution::In_support(Extended x) const
{
    return tContinuous_distribution::In_support(x) && (Shape >= 1.0L || x > 0.0L);
}

// β^α x^(α−1) e^(−βx) / Γ(α), taken through its logarithm; for shape 1
// (the chi-square with 2 degrees of freedom) x^0 = 1 needs no logarithm.
Extended tGamma_distribution::Unscoped_density(Extended x) const
{
    if (In_support(x) && x > 0.0L) {
        const Extended power_term = Shape == 1.0L ? 0.0L : (Shape - 1.0L) * Ln(x);
        return Exp(power_term + Log_density_constant - Rate * x);
    }
    if (raw::Same_value(Shape, 1.0L) && x == 0.0L)
        return Rate;
    return 0.0L;
}

Extended tGamma_distribution::Density(Extended x) const { return Scoped_density(x); }

// P(α, βx); above shape 500 the Wilson–Hilferty approximation
//   (βx/α)^(1/3) ≈ N(1 − 1/(9α), 1/(9α)),  z = 3 sqrt(α) w,  z²/2 = 4.5 α w²,
// the cube root within an ulp of exp(ln(βx/α) / 3) (raw::Cube_root).
// Outside the support: 0 below it and at the excluded point 0 (shape below
// 1), 1 above it. The base rule would send x = 0 back here through
// Interval_probability(0, 0) without end.
Extended tGamma_distribution::Unscoped_cdf(Extended x) const
{
    if (!In_support(x))
        return x >= Support_upper ? 1.0L : 0.0L;
    if (Shape > 500.0L) {
        const Extended w = raw::Cube_root(Rate * x / Shape) - 1.0L + 1.0L / (9.0L * Shape);
        const Extended q = 4.5L * Shape * (w * w);
        return raw::Normal_probability(q, w >= 0.0L);
    }
    const Extended y = Rate * x;
    // Beyond 2147483647, far above the mean α/β <= 500/β, P(α, βx) is 1 to
    // extended precision, and the argument leaves the range of Incomplete_gamma.
    if (y > Integer_range_limit)
        return 1.0L;
    return raw::Incomplete_gamma(y, Shape, Ln_gamma_of_shape);
}

Extended tGamma_distribution::Cdf(Extended x) const { return Scoped_cdf(x); }

bool tGamma_distribution::Evaluates_unscoped() const { return true; }

Extended tGamma_distribution::Mean() const { return Shape / Rate; }

// β² underflows to 0 for a rate below about 1e-2466: a division by zero.
Extended tGamma_distribution::Variance() const
{
    const Extended rate_squared = Rate * Rate;
    Note_flag(Division_by_zero_flag, [rate_squared] { return rate_squared == 0.0L; });
    return Shape / rate_squared;
}

// A standard gamma variate x, returned as x / β: the exponential for α = 1;
// for α > 1 a ratio of uniforms about the mode α − 1 with quick acceptance and
// rejection bounds on ln u; for α < 1 Ahrens and Dieter's GS rejection method.
Extended tGamma_distribution::Random_value()
{
    Floating_point_scope scope;
    const Extended alpha = Shape;
    Extended x;
    if (alpha == 1.0L) {
        x = -Ln(Uniform_random());
    } else if (alpha > 1.0L) {
        if (!Ratio_bounds_current)
            Set_ratio_bounds();
        const Extended c1 = Sampling_constant_1;
        const Extended c2 = Sampling_constant_2;
        for (;;) {
            const Extended u = Uniform_random();
            const Extended v = Uniform_random();
            const Extended y = (v * (c2 - c1) + c1) / u;
            x = y + alpha - 1.0L;
            const Extended t = -2.0L * u * u + 8.0L * u - 6.0L;
            if (y >= 0.0L) {
                if (-y * y * (y + x) >= t * (x * x))
                    break;
                if (-u * y * y <= (2.0L * u * u - 2.0L) * x)
                    continue;
            } else {
                if (-y * y >= t * x)
                    break;
                if (-u * y * y <= (2.0L * u * u - 2.0L) * (alpha - 1.0L))
                    continue;
            }
            if (x <= 0.0L)
                continue;
            if (!(2.0L * Ln(u) + y > (alpha - 1.0L) * Ln(1.0L + y / (alpha - 1.0L))))
                break;
        }
    } else {
        const Extended b = Sampling_constant_1;
        for (;;) {
            const Extended u = Uniform_random();
            const Extended v = Uniform_random();
            const Extended p = b * u;
            if (p <= 1.0L) {
                x = raw::Real_power(p, Sampling_constant_2);
                if (Ln(v) <= -x)
                    break;
            } else {
                x = -Ln((b - p) * Sampling_constant_2);
                if (v <= raw::Real_power(x, alpha - 1.0L))
                    break;
            }
        }
    }
    return scope.Checked(x / Rate);
}
