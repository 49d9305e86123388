// Log-gamma and the regularized incomplete gamma function.
#include "Elementary.h"
#include "Floating_point.h"
#include "Raw_functions.h"
#include "distrib.h"

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
    s = (t + 0.5L) * Ln(s) - s;
    Extended series = 1.0L;
    for (const Extended coefficient : c) {
        t = t + 1.0L;
        Note_flag(Division_by_zero_flag, [t] { return t == 0.0L; });  // x a whole number <= 0
        series = series + coefficient / t;
    }
    return Ln(2.5066282746310005L * series) + s;
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
            return sum * Exp(a * Ln(x) - x - ln_gamma_a);
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

// The stopping test |g − g_old| / |g| < tolerance of the continued fraction
// for g = b / a and g_old = b_old / a_old, the quotients themselves; a NaN
// (from a NaN or infinite term) is left in `change`, and a division by zero
// raises its flag, for the caller's scope to report.
bool Quotient_step_below_tolerance(Extended a, Extended b, Extended a_old, Extended b_old, Extended& change)
{
    const Extended g = b / a;
    change = std::fabs(g - b_old / a_old) / std::fabs(g);
    return change < Closeness_tolerance;
}

}  // namespace

// Q(a, x) = e^−x x^a / Γ(a) · 1/(x + (1−a)/(1 + 1/(x + (2−a)/(1 + 2/(x + ...)))))
// by the three-term recurrence of its convergents (Numerical Recipes, gcf):
//   A' = A_n + (n − a) A',   A_{n+1} = x A' + n A_n   (and the same for B),
// with the value g_n = B_n / A_n, taken once a step changes it by less than
// the tolerance (relative). The recurrence is linear, so a common scale of
// its terms leaves every g_n as it is. The terms grow about as fast as n!;
// instead of dividing them by A_n at every step, a division on the
// recurrence's own dependency chain, they are rescaled by an exact power of
// two whenever A_n leaves [2^−4096, 2^4096]. The stopping test needs no
// division either: multiplied through by |A_n A_n−1| it reads
//   |B_n A_n−1 − B_n−1 A_n| < tolerance · |B_n A_n−1|.
// An A_n that is zero, infinite or NaN, or a zero B_n, is left to the
// quotients themselves, which report it as a division by zero or an invalid
// operation; a step with A_n = 0 leaves g as it was. The fraction converges
// for x ≥ a + 1.
Extended raw::Gamma_cont_fraction(Extended x, Extended a, Extended ln_gamma_a)
{
    Check_number(x);
    Check_number(a);
    constexpr Extended Rescale_above = 0x1p4096L;
    constexpr Extended Rescale_below = 0x1p-4096L;
    Extended a0 = 1.0L, a1 = x, b0 = 0.0L, b1 = 1.0L;
    Extended a1_old = 1.0L, b1_old = 0.0L;  // g = 0 before the first step
    for (int n = 1; n <= Series_pass_limit; ++n) {
        const Extended ana = n - a;
        a0 = a1 + a0 * ana;
        b0 = b1 + b0 * ana;
        const Extended an = n;
        a1 = x * a0 + an * a1;
        b1 = x * b0 + an * b1;
        if (std::fabs(b1 * a1_old - b1_old * a1) < Closeness_tolerance * std::fabs(b1 * a1_old))
            return b1 / a1 * Exp(a * Ln(x) - x - ln_gamma_a);
        const Extended a1_size = std::fabs(a1);
        // Rare: A_n outside the rescaling bounds, zero, infinite or NaN (every
        // comparison of a NaN is false), or B_n zero.
        if (!(a1_size >= Rescale_below && a1_size <= Rescale_above) || b1 == 0.0L) {
            if (a1 == 0.0L) {
                // g keeps its value and the test its last verdict (go on); on
                // the first step, from g = 0 and g_old = 1, the quotient of
                // that verdict is 1 / 0.
                if (n == 1)
                    Raise_flags(Division_by_zero_flag);
                continue;
            }
            Extended change = 0.0L;
            if (Quotient_step_below_tolerance(a1, b1, a1_old, b1_old, change))
                return b1 / a1 * Exp(a * Ln(x) - x - ln_gamma_a);
            if (std::isnan(change))
                return change;  // the invalid operation behind it is reported by the scope
            if (a1_size > Rescale_above || a1_size < Rescale_below) {
                const Extended scale = a1_size > Rescale_above ? Rescale_below : Rescale_above;
                a0 *= scale;
                b0 *= scale;
                a1 *= scale;
                b1 *= scale;
            }
        }
        a1_old = a1;
        b1_old = b1;
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
