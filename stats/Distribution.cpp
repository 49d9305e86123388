// The root of the distribution classes: checked parameters, the support, and
// the default behaviour of the virtual operations.
#include "Floating_point.h"
#include "distrib.h"

#include <cmath>

void tDistribution::Declare_parameter(int i, Extended lower_limit, Extended upper_limit, bool whole)
{
    Parameters[i].Whole = whole;
    Parameters[i].Lower_limit = lower_limit;
    Parameters[i].Upper_limit = upper_limit;
}

bool tDistribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    Parameters[1].Value = p1;
    Parameters[2].Value = p2;
    Parameters[3].Value = p3;
    // A failed check raises, so every check that returns has passed.
    for (int i = 1; i <= Parameter_count; ++i)
        Check_parameter(i);
    Support_lower = -Integer_range_limit;
    Support_upper = Integer_range_limit;
    return true;
}

// Parameter i must lie strictly above its lower limit (message 1301, 1305 or
// 1309) and strictly below its upper limit (1303; for a whole-number parameter
// 1303, 1307 or 1311), and a whole-number parameter must be whole (1304, 1308
// or 1312).
bool tDistribution::Check_parameter(int i) const
{
    const Parameter_spec& spec = Parameters[i];
    Check_bound(4 * i + 1297, spec.Value, spec.Lower_limit);
    if (!spec.Whole)
        return Check_bound(1303, spec.Value, spec.Upper_limit);
    Check_bound(4 * i + 1299, spec.Value, spec.Upper_limit);
    return Check_argument(!Is_whole_number(spec.Value), 4 * i + 1300);
}

bool tDistribution::In_support(Extended x) const
{
    Check_number(x);
    return Support_lower <= x && x <= Support_upper;
}

Extended tDistribution::Density(Extended) const { return 0.0L; }

Extended tDistribution::Point_probability(Extended) const { return 0.0L; }

Extended tDistribution::Cdf(Extended x) const
{
    Check_number(x);
    if (x < Support_lower)
        return 0.0L;
    if (x >= Support_upper)
        return 1.0L;
    return Interval_probability(Support_lower, x);
}

// P(lo <= X <= hi); the ends ±2147483647 stand for ±infinity.
Extended tDistribution::Interval_probability(Extended lo, Extended hi) const
{
    Check_number(lo);
    Check_number(hi);
    Floating_point_scope scope;
    if (lo < Support_lower)
        lo = Support_lower;
    if (hi > Support_upper)
        hi = Support_upper;
    Extended r;
    if (hi >= Integer_range_limit)
        r = 1.0L - Cdf(lo) + Point_probability(lo);
    else if (lo <= -Integer_range_limit)
        r = Cdf(hi);
    else
        r = Cdf(hi) - Cdf(lo) + Point_probability(lo);
    r = scope.Checked(r);
    return r < 0.0L ? 0.0L : r > 1.0L ? 1.0L : r;
}

bool tDistribution::Has_mean() const { return true; }

bool tDistribution::Has_variance() const { return true; }

Extended tDistribution::Std_deviation() const
{
    Check_argument(!Has_variance(), 1363);
    Floating_point_scope scope;
    return scope.Checked(std::sqrt(Variance()));
}

Extended tDistribution::Random_value() { return Quantile(Uniform_random()); }
