// The generic quantile of a continuous distribution.
#include "Floating_point.h"
#include "Raw_functions.h"
#include "distrib.h"

#include <cmath>

namespace {

[[noreturn]] void Not_reached(Extended p)
{
    throw EConvergence_error("The probability " + Float_text(p) +
                             " is not reached inside the support of the distribution");
}

}  // namespace

bool tContinuous_distribution::Evaluates_unscoped() const { return false; }

Extended tContinuous_distribution::Unscoped_cdf(Extended x) const { return Cdf(x); }

Extended tContinuous_distribution::Unscoped_density(Extended x) const { return Density(x); }

Extended tContinuous_distribution::Scoped_cdf(Extended x) const
{
    if (!In_support(x))
        return Unscoped_cdf(x);
    Floating_point_scope scope;
    return scope.Checked(Unscoped_cdf(x));
}

Extended tContinuous_distribution::Scoped_density(Extended x) const
{
    if (!In_support(x))
        return Unscoped_density(x);
    Floating_point_scope scope;
    return scope.Checked(Unscoped_density(x));
}

// Solves Cdf(x) = p. A bracket of two standard deviations either side of the
// mean is widened eightfold about the mean until it holds the root; then
// Newton steps x − (Cdf(x) − p) / Density(x) are taken while they move x by
// less than half the bracket, bisection otherwise, and every evaluation
// replaces one end of the bracket. The search stops when x moves by less than
// the closeness tolerance (absolute).
//
// Floating-point status: each Cdf and Density reports the error flags that
// it raises itself. When the class gives them without a scope of their own,
// the search's one scope serves: the flags are clear before each evaluation,
// so the flags found after it are its own. That holds once the set-up of the
// bracket has raised none, and as long as the search's own arithmetic
// between evaluations raises none; of that arithmetic only two products can
// (overflowing to infinity). A flag from either leaves the rest of the
// search to the public operations, whose scopes keep it for the end, as
// they always did.
//
// The shortcut is worth its lines: with every evaluation through the public
// operations instead, the search took 6-19% longer (voran-bench
// --benchmark_filter=BM_Chi_square_quantile, df 2 to 999998), a comparison
// 5-17% (BM_Compare_two_cases) and the statistics of a table whose N changes
// at every row 7-14% (BM_Table_row_statistics on scripts/bench's third
// table); ranges of repeated runs on a loaded two-core machine.
Extended tContinuous_distribution::Quantile(Extended p) const
{
    First_bracket first;
    return Search_quantile(p, first);
}

std::pair<Extended, Extended> tContinuous_distribution::Quantiles(Extended p_first, Extended p_second) const
{
    First_bracket first;
    const Extended q_first = Search_quantile(p_first, first);
    return {q_first, Search_quantile(p_second, first)};
}

// The search for Quantile; the values in `first` stand for the evaluations at
// the first bracket (an evaluation that returns raised no error), and those
// made are kept there.
Extended tContinuous_distribution::Search_quantile(Extended p, First_bracket& first) const
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

    bool unscoped = Evaluates_unscoped() && scope.Nothing_raised();
    // One evaluation: the public operation, or its unscoped computation with
    // the flags checked right after it.
    using Operation = Extended (tContinuous_distribution::*)(Extended) const;
    const auto evaluate = [&](Operation scoped, Operation unscoped_computation, Extended at) {
        if (!unscoped)
            return (this->*scoped)(at);
        const Extended value = (this->*unscoped_computation)(at);
        scope.Check_so_far(value);
        return value;
    };
    const auto cdf = [&](Extended at) {
        return evaluate(&tContinuous_distribution::Cdf, &tContinuous_distribution::Unscoped_cdf, at);
    };
    const auto density = [&](Extended at) {
        return evaluate(&tContinuous_distribution::Density, &tContinuous_distribution::Unscoped_density, at);
    };

    const auto first_cdf = [&](std::optional<Extended>& kept, Extended at) {
        if (!kept)
            kept = cdf(at);
        return *kept;
    };

    // Widen upwards; once the upper end is the support's, the probability is
    // out of reach.
    int passes = 0;
    for (; (passes == 0 ? first_cdf(first.Cdf_upper, hi) : cdf(hi)) < p; ++passes) {
        if (hi >= Support_upper || passes == Search_pass_limit)
            Not_reached(p);
        lo = hi;
        hi = x0 + 8.0L * (hi - x0);
        unscoped = unscoped && std::isfinite(hi);
        if (hi > Support_upper)
            hi = Support_upper;
    }
    // Widen downwards when the upward loop left the bracket as it was.
    if (passes == 0) {
        for (; (passes == 0 ? first_cdf(first.Cdf_lower, lo) : cdf(lo)) > p; ++passes) {
            if (lo <= Support_lower || passes == Search_pass_limit)
                Not_reached(p);
            hi = lo;
            lo = x0 + 8.0L * (lo - x0);
            unscoped = unscoped && std::isfinite(lo);
            if (lo < Support_lower)
                lo = Support_lower;
        }
    }

    Extended x = (lo + hi) / 2.0L;
    for (int pass = 0; pass < Search_pass_limit; ++pass) {
        const Extended f = cdf(x) - p;
        const Extended d = density(x);
        const Extended x_old = x;
        if (f <= 0.0L)
            lo = x;
        if (f >= 0.0L)
            hi = x;
        const Extended reach = (hi - lo) * d;
        unscoped = unscoped && std::isfinite(reach);
        if (std::fabs(2.0L * f) < reach)
            x = x - f / d;
        else
            x = (lo + hi) / 2.0L;
        if (std::fabs(x - x_old) < Closeness_tolerance)
            return scope.Checked(x);
    }
    scope.Check();
    throw EConvergence_error("The quantile search did not converge for the probability " + Float_text(p));
}
