// The generic quantile of a continuous distribution.
#include "Floating_point.h"
#include "Raw_functions.h"

#include <cmath>

namespace {

[[noreturn]] void Not_reached(Extended p)
{
    throw EConvergence_error("The probability " + Float_text(p) +
                             " is not reached inside the support of the distribution");
}

}  // namespace

// Solves Cdf(x) = p. A bracket of two standard deviations either side of the
// mean is widened eightfold about the mean until it holds the root; then
// Newton steps x − (Cdf(x) − p) / Density(x) are taken while they move x by
// less than half the bracket, bisection otherwise, and every evaluation
// replaces one end of the bracket. The search stops when x moves by less than
// the closeness tolerance (absolute).
Extended tContinuous_distribution::Quantile(Extended p) const
{
    Check_bound(1302, p, 0.0L);
    if (raw::Same_value(p, 0.0L))
        return Support_lower;
    Check_bound(1315, p, 1.0L);
    if (raw::Same_value(p, 1.0L))
        return Support_upper;

    Floating_point_scope scope;
    Extended lo = Support_lower;
    Extended hi = Support_upper;
    const Extended x0 = Has_mean() ? Mean() : (lo + hi) / 2.0L;
    const Extended s = Has_variance() ? 2.0L * Std_deviation() : 8.0L;
    if (hi > x0 + s)
        hi = x0 + s;
    if (lo < x0 - s)
        lo = x0 - s;

    // Widen upwards; once the upper end is the support's, the probability is
    // out of reach.
    int passes = 0;
    for (; Cdf(hi) < p; ++passes) {
        if (hi >= Support_upper || passes == Search_pass_limit)
            Not_reached(p);
        lo = hi;
        hi = x0 + 8.0L * (hi - x0);
        if (hi > Support_upper)
            hi = Support_upper;
    }
    // Widen downwards when the upward loop left the bracket as it was.
    if (passes == 0) {
        for (; Cdf(lo) > p; ++passes) {
            if (lo <= Support_lower || passes == Search_pass_limit)
                Not_reached(p);
            hi = lo;
            lo = x0 + 8.0L * (lo - x0);
            if (lo < Support_lower)
                lo = Support_lower;
        }
    }

    Extended x = (lo + hi) / 2.0L;
    for (int pass = 0; pass < Search_pass_limit; ++pass) {
        const Extended f = Cdf(x) - p;
        const Extended d = Density(x);
        const Extended x_old = x;
        if (f <= 0.0L)
            lo = x;
        if (f >= 0.0L)
            hi = x;
        if (std::fabs(2.0L * f) < (hi - lo) * d)
            x = x - f / d;
        else
            x = (lo + hi) / 2.0L;
        if (std::fabs(x - x_old) < Closeness_tolerance)
            return scope.Checked(x);
    }
    scope.Check();
    throw EConvergence_error("The quantile search did not converge for the probability " + Float_text(p));
}
