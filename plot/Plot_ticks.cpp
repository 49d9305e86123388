#include "Plot_ticks.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace {

// Relative slack for values that lie on a boundary but miss it by rounding.
constexpr double Boundary_slack = 1e-9;

}  // namespace

// With raw = span / target_count = m 10^k, 1 <= m < 10, the step is the first
// of 1, 2, 5, 10 (times 10^k) not below m.
double Round_step(double span, int target_count)
{
    if (!(span > 0) || !std::isfinite(span) || target_count < 1)
        throw std::invalid_argument("Round_step: no round step for a span of " + std::to_string(span) +
                                    " in " + std::to_string(target_count) + " intervals");
    const double raw = span / target_count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (raw <= multiple * power * (1 + Boundary_slack))
            return multiple * power;
    }
    return 10 * power;
}

Tick_values Round_ticks(double low, double high, int target_count)
{
    Tick_values ticks;
    ticks.Step = Round_step(high - low, target_count);
    ticks.Decimals = std::max(0, -static_cast<int>(std::floor(std::log10(ticks.Step) + Boundary_slack)));
    const double first = std::ceil(low / ticks.Step - Boundary_slack);
    const double last = std::floor(high / ticks.Step + Boundary_slack);
    for (double i = first; i <= last; ++i)
        ticks.Values.push_back(i == 0 ? 0.0 : i * ticks.Step);
    return ticks;
}
