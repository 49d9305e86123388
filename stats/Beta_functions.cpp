// The regularized incomplete beta function.
#include "Elementary.h"
#include "Floating_point.h"
#include "Raw_functions.h"
#include "distrib.h"

#include <cmath>

// The continued fraction of I_x(a, b) = x^a (1−x)^b / (a B(a, b)) · 1/(1 + d1/(1 + d2/(1 + ...))),
//   d_2m   =  m (b − m) x / ((a + 2m − 1)(a + 2m)),
//   d_2m+1 = −(a + m)(a + b + m) x / ((a + 2m)(a + 2m + 1)),
// two steps at a time with the convergents renormalised by the even denominator
// (Numerical Recipes, betacf; its one reciprocal multiplies the three
// convergents). It converges fast for x < (a + 1) / (a + b + 2).
Extended raw::Beta_cont_fraction(Extended x, Extended a, Extended b)
{
    Check_number(x);
    Check_number(a);
    Check_number(b);
    const Extended qab = a + b;
    const Extended qap = a + 1.0L;
    const Extended qam = a - 1.0L;
    Extended am = 1.0L, bm = 1.0L, az = 1.0L;
    Extended bz = 1.0L - qab * x / qap;
    for (int m = 1; m <= Series_pass_limit; ++m) {
        const Extended em = m;
        const Extended tem = em + em;
        Extended d = em * (b - em) * x / ((qam + tem) * (a + tem));
        const Extended ap = az + d * am;
        const Extended bp = bz + d * bm;
        d = -(a + em) * (qab + em) * x / ((a + tem) * (qap + tem));
        const Extended app = ap + d * az;
        const Extended bpp = bp + d * bz;
        const Extended a_old = az;
        const Extended renormalise = 1.0L / bpp;
        am = ap * renormalise;
        bm = bp * renormalise;
        az = app * renormalise;
        bz = 1.0L;
        if (std::fabs(az - a_old) < Closeness_tolerance * std::fabs(az))
            return az;
        if (std::isnan(az))
            return az;  // the invalid operation behind it is reported by the scope
    }
    throw EConvergence_error("The continued fraction of the incomplete beta function did not converge");
}

raw::Beta_log_gammas raw::Log_gammas_of_beta(Extended a, Extended b)
{
    return {raw::Ln_gamma(a + b), raw::Ln_gamma(a), raw::Ln_gamma(b)};
}

// I_x(a, b) from the continued fraction, taken for the swapped arguments
// (I_x(a, b) = 1 − I_{1−x}(b, a)) at and above x = (a + 1) / (a + b + 2).
// A floating-point error in the computation gives the result 1; so does a NaN
// argument, whose comparison is an invalid operation.
Extended raw::Incomplete_beta(Extended x, Extended a, Extended b, const Beta_log_gammas& log_gammas)
{
    if (std::isnan(x) || std::isnan(a) || std::isnan(b))
        return 1.0L;
    if (!(x > 0.0L))
        return 0.0L;
    if (x >= 1.0L)
        return 1.0L;
    Floating_point_scope scope;
    // x^a (1−x)^b / B(a, b), through its logarithm.
    const Extended bt = Exp(log_gammas.Of_sum + a * Ln(x) + b * Ln(1.0L - x) -
                                 log_gammas.Of_a - log_gammas.Of_b);
    const Extended result = x < (a + 1.0L) / (a + b + 2.0L)
                                ? bt * raw::Beta_cont_fraction(x, a, b) / a
                                : 1.0L - bt * raw::Beta_cont_fraction(1.0L - x, b, a) / b;
    return scope.Value_or(result, 1.0L);
}

// The log-gamma terms inside the scope of the function itself, where a
// floating-point error in them gives the result 1 as any other does.
Extended raw::Incomplete_beta(Extended x, Extended a, Extended b)
{
    if (std::isnan(x) || std::isnan(a) || std::isnan(b) || !(x > 0.0L) || x >= 1.0L)
        return raw::Incomplete_beta(x, a, b, {});
    Floating_point_scope scope;
    const Beta_log_gammas log_gammas = raw::Log_gammas_of_beta(a, b);
    const Extended result = raw::Incomplete_beta(x, a, b, log_gammas);
    return scope.Value_or(result, 1.0L);
}

Extended Beta_cont_fraction(Extended x, Extended a, Extended b)
{
    return Guarded(raw::Beta_cont_fraction, x, a, b);
}

Extended Incomplete_beta(Extended x, Extended a, Extended b)
{
    return Guarded([](Extended x_, Extended a_, Extended b_) { return raw::Incomplete_beta(x_, a_, b_); },
                   x, a, b);
}
