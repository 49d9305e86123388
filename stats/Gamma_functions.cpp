// Log-gamma and the regularized incomplete gamma function.
#include "Floating_point.h"
#include "Raw_functions.h"

#include <cmath>

// Lanczos-type series with gamma = 5 and six terms (Numerical Recipes, gammln):
//   ln Γ(x) = (x − 1/2) ln(x + 4.5) − (x + 4.5) + ln(sqrt(2π) · (1 + Σ c_j / (x + j))).
// The leading term of the series is 1 rather than the exact constant, so the
// result carries an absolute error of about 1e-11 (Ln_gamma(1) ≈ −4.565e-12);
// the printed figures of the reports rest on exactly this function.
Extended raw::Ln_gamma(Extended x)
{
    static constexpr Extended c[6] = {76.18009172947146L,     -86.50532032941677L,
                                      24.01409824083091L,     -1.231739572450155L,
                                      0.1208650973866179e-2L, -0.5395239384953e-5L};
    Extended t = x - 1.0L;
    Extended s = t + 5.5L;
    s = (t + 0.5L) * std::log(s) - s;
    Extended series = 1.0L;
    for (const Extended coefficient : c) {
        t = t + 1.0L;
        series = series + coefficient / t;
    }
    return std::log(2.5066282746310005L * series) + s;
}

// P(a, x) by its power series, e^−x x^a / Γ(a) · Σ x^n / (a (a+1) ... (a+n)),
// summed until a term falls below the tolerance relative to the sum. Near
// x = a this takes some 7 sqrt(a) terms (about 160 at a = 500), so the sum is
// not cut off at a fixed number of terms. Each term is the last times
// x / (a + n); that ratio depends only on n, so its division runs beside the
// chain of products instead of on it.
Extended raw::Gamma_series(Extended x, Extended a, Extended ln_gamma_a)
{
    if (raw::Same_value(x, 0.0L))
        return 0.0L;
    Extended ap = a;
    Extended del = 1.0L / a;
    Extended sum = del;
    for (int pass = 0; pass < Series_pass_limit; ++pass) {
        ap = ap + 1.0L;
        del = del * (x / ap);
        sum = sum + del;
        if (std::fabs(del) < std::fabs(sum) * Closeness_tolerance)
            return sum * std::exp(a * std::log(x) - x - ln_gamma_a);
        if (std::isnan(sum))
            return sum;  // the invalid operation behind it is reported by the scope
    }
    throw EConvergence_error("The series of the incomplete gamma function did not converge");
}

Extended raw::Gamma_series(Extended x, Extended a)
{
    // ln Γ(a) only past the early return, as the series alone would take it.
    if (raw::Same_value(x, 0.0L))
        return 0.0L;
    return raw::Gamma_series(x, a, raw::Ln_gamma(a));
}

namespace {

// The stopping test |g − g_old| / |g| < tolerance of the continued fraction,
// the quotient replaced by a product where both are exact to rounding: g at
// least 2^−8192 (so that tolerance · |g| stays a normal number) and a step of
// at most 2^8000 (so that the quotient cannot overflow). Elsewhere (g zero,
// tiny, infinite or NaN) the quotient itself is taken: its division by zero,
// overflow or NaN reports the fault as it always did.
// The quotient, when taken, is left in `change`.
bool Relative_step_below_tolerance(Extended step, Extended size, Extended& change)
{
    if (size >= 0x1p-8192L && step <= 0x1p8000L)
        return step < Closeness_tolerance * size;
    change = step / size;
    return change < Closeness_tolerance;
}

}  // namespace

// Q(a, x) = e^−x x^a / Γ(a) · 1/(x + (1−a)/(1 + 1/(x + (2−a)/(1 + 2/(x + ...)))))
// by the three-term recurrence of its convergents A_n / B_n, renormalised by
// 1/A_n at every step (Numerical Recipes, gcf). It converges for x ≥ a + 1.
Extended raw::Gamma_cont_fraction(Extended x, Extended a, Extended ln_gamma_a)
{
    Check_number(x);
    Check_number(a);
    Extended a0 = 1.0L, a1 = x, b0 = 0.0L, b1 = 1.0L, fac = 1.0L;
    Extended g = 0.0L, g_old = 1.0L;
    for (int n = 1; n <= Series_pass_limit; ++n) {
        const Extended ana = n - a;
        a0 = (a1 + a0 * ana) * fac;
        b0 = (b1 + b0 * ana) * fac;
        const Extended anf = n * fac;
        a1 = x * a0 + anf * a1;
        b1 = x * b0 + anf * b1;
        if (a1 != 0.0L) {
            g_old = g;
            fac = 1.0L / a1;
            g = b1 * fac;
        }
        Extended change = 0.0L;
        if (Relative_step_below_tolerance(std::fabs(g - g_old), std::fabs(g), change))
            return g * std::exp(a * std::log(x) - x - ln_gamma_a);
        if (std::isnan(change))
            return change;  // the invalid operation behind it is reported by the scope
    }
    throw EConvergence_error("The continued fraction of the incomplete gamma function did not converge");
}

Extended raw::Gamma_cont_fraction(Extended x, Extended a)
{
    Check_number(x);
    Check_number(a);
    return raw::Gamma_cont_fraction(x, a, raw::Ln_gamma(a));
}

namespace {

// The argument checks of the incomplete gamma function, in their order.
void Check_incomplete_gamma_arguments(Extended x, Extended a)
{
    Check_bound(1302, x, 0.0L);
    Check_argument(x > Integer_range_limit, 1361);
    Check_bound(1301, a, 0.0L);
    Check_argument(a > Integer_range_limit, 1361);
}

}  // namespace

// P(a, x): the series below x = a + 1, the continued fraction from there on.
Extended raw::Incomplete_gamma(Extended x, Extended a, Extended ln_gamma_a)
{
    Check_incomplete_gamma_arguments(x, a);
    if (x < a + 1.0L)
        return raw::Gamma_series(x, a, ln_gamma_a);
    return 1.0L - raw::Gamma_cont_fraction(x, a, ln_gamma_a);
}

Extended raw::Incomplete_gamma(Extended x, Extended a)
{
    Check_incomplete_gamma_arguments(x, a);
    if (x < a + 1.0L)
        return raw::Gamma_series(x, a);
    return 1.0L - raw::Gamma_cont_fraction(x, a);
}

// Q(a, x) = 1 − P(a, x). Below x = a + 1, where the series converges, Q is
// at least Q(a, a + 1) (about 0.08 at a = 1/2), so 1 − P loses no digit; from
// there on the continued fraction is Q itself.
Extended raw::Upper_incomplete_gamma(Extended x, Extended a, Extended ln_gamma_a)
{
    Check_incomplete_gamma_arguments(x, a);
    if (x < a + 1.0L)
        return 1.0L - raw::Gamma_series(x, a, ln_gamma_a);
    return raw::Gamma_cont_fraction(x, a, ln_gamma_a);
}

Extended Ln_gamma(Extended x) { return Guarded(raw::Ln_gamma, x); }
// The public functions: the raw ones (their two-argument forms) in a scope.
Extended Gamma_series(Extended x, Extended a)
{
    return Guarded([](Extended x_, Extended a_) { return raw::Gamma_series(x_, a_); }, x, a);
}

Extended Gamma_cont_fraction(Extended x, Extended a)
{
    return Guarded([](Extended x_, Extended a_) { return raw::Gamma_cont_fraction(x_, a_); }, x, a);
}

Extended Incomplete_gamma(Extended x, Extended a)
{
    return Guarded([](Extended x_, Extended a_) { return raw::Incomplete_gamma(x_, a_); }, x, a);
}
