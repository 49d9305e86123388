// Integer and real powers.
#include "Elementary.h"
#include "Floating_point.h"
#include "Raw_functions.h"
#include "distrib.h"

#include <cmath>

// Binary exponentiation over the bits of |n| from the lowest: the running
// square x^(2^j) is multiplied in for each set bit j; no square is formed
// beyond the highest set bit. A negative n takes the reciprocal at the end.
Extended raw::Integer_power(Extended x, std::int32_t n)
{
    if (n == 0)
        return 1.0L;
    std::uint32_t bits = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    Extended result = 1.0L;
    Extended square = x;
    for (;;) {
        if (bits & 1u)
            result *= square;
        bits >>= 1;
        if (bits == 0)
            break;
        square *= square;
    }
    if (n > 0)
        return result;
    // An overflow that the reciprocal turns into 0, and 0 to a negative power.
    Note_flag(Overflow_flag, [result, x] { return std::isinf(result) && !std::isinf(x); });
    Note_flag(Division_by_zero_flag, [result] { return result == 0.0L; });
    return 1.0L / result;
}

// base^exponent; an integral exponent goes through Integer_power so that a
// negative base works, anything else through exp(exponent * ln(base)).
Extended raw::Real_power(Extended base, Extended exponent)
{
    if (exponent == 0.0L)
        return 1.0L;
    if (base == 0.0L && exponent > 0.0L)
        return 0.0L;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= Integer_range_limit)
        return raw::Integer_power(base, static_cast<std::int32_t>(std::trunc(exponent)));
    // ln 0 = −∞ is a division by zero, even where exp takes it on to 0 or ∞.
    Note_flag(Division_by_zero_flag, [base] { return base == 0.0L; });
    return Exp(exponent * Ln(base));
}

// y^(1/3) for y >= 0. Inside the double's range the double's cube root c
// holds 53 bits; one Newton step for c³ = y, c − (c³ − y) / (3c²), doubles
// them, so the extended result is within an ulp of the root. Outside that
// range, and at 0, the extended cbrt.
Extended raw::Cube_root(Extended y)
{
    if (!(y >= 0x1p-1000L && y <= 0x1p1000L))
        return std::cbrt(y);
    const Extended c = std::cbrt(static_cast<double>(y));
    return c - (c * c * c - y) / (3.0L * c * c);
}

Extended Integer_power(Extended x, std::int32_t n) { return Guarded(raw::Integer_power, x, n); }

Extended Real_power(Extended base, Extended exponent)
{
    return Guarded(raw::Real_power, base, exponent);
}
