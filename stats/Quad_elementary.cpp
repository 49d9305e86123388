// exp, ln and ln(1 + x) of IEEE quad (113-bit significand, ε = 2^-112), for
// the builds whose C library has none of its own (see Elementary.h).
// The constants are ln 2 and its kin to 113 bits, from a 400-bit evaluation.
#include "Elementary.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

// ln 2 = Ln2_high + Ln2_low, the first with 93 significant bits, so that
// k · Ln2_high is exact for every |k| < 2^20 (the binary exponents of quad
// need 15 bits); the second rounded to 113 bits (2^-215 absolute).
constexpr Extended Ln2_high = 0x1.62e42fefa39ef35793c7673p-1L;
constexpr Extended Ln2_low = 0x1.f97b57a079a193394c5b16c5068cp-103L;
constexpr Extended Inverse_ln2 = 0x1.71547652b82fe1777d0ffda0d23ap+0L;
constexpr Extended Sqrt_half = 0x1.6a09e667f3bcc908b2fb1366ea95p-1L;

// ln of the largest quad, and of half the smallest subnormal (2^-16495):
// beyond them e^x rounds to +∞ and to 0.
constexpr Extended Ln_largest = 0x1.62e42fefa39ef35793c7673007e6p+13L;
constexpr Extended Ln_half_smallest = -0x1.654bb3b2c73ebb059fabb506ff34p+13L;

// The Taylor series of e^t − 1 for |t| <= ln 2 / 512 < 0.00136 up to t^10/10!:
// the first term left out, t^11/11!, is below 5e-37 of the sum (2^-120).
constexpr int Exp_terms = 10;
// Halvings of the reduced argument before the series, undone by squaring.
constexpr int Exp_halvings = 8;
constexpr std::array<Extended, Exp_terms + 1> Exp_reciprocals = [] {
    std::array<Extended, Exp_terms + 1> c{};
    for (int n = 1; n <= Exp_terms; ++n)
        c[n] = 1.0L / n;
    return c;
}();

// The odd series ln f = 2 atanh s = 2 (s + s³/3 + s⁵/5 + ...), s = (f − 1) / (f + 1),
// for f in [√½, √2), where |s| <= 3 − 2√2 < 0.1716 and s² < 0.02944: the
// first term left out, s^45/45, is below 5e-36 of the sum (2^-117).
constexpr int Atanh_terms = 22;
constexpr std::array<Extended, Atanh_terms> Atanh_coefficients = [] {
    std::array<Extended, Atanh_terms> c{};
    for (int n = 0; n < Atanh_terms; ++n)
        c[n] = 1.0L / (2 * n + 1);
    return c;
}();

}  // namespace

// e^x = 2^k e^r with k the integer nearest x / ln 2 and r = x − k ln 2,
// |r| <= ln 2 / 2 (x − k Ln2_high is exact, Sterbenz); then
// e^r = (e^t)^256 with t = r / 256, from m = e^t − 1 by its series and eight
// squarings in the form (1 + m)² − 1 = m (2 + m), which keeps m's relative
// precision where 1 + m would round it away.
// Error: the series ~1 ulp of m (its terms' reciprocals 1/n rounded add
// at most 1 ulp of the second term, t/2 of the sum); each squaring adds at most 1.5 ulp to m's
// relative error (14 ulp in all); 1 + m with |m| <= 0.42 turns that into
// 6 ulp of the result, plus the rounding of r (0.2 ulp) and of 1 + m
// (0.5 ulp): below 8 ulp. Subnormal results keep the absolute error of their
// last place.
Extended Exp(Extended x)
{
    if (std::isnan(x))
        return x;
    if (x > Ln_largest)
        return std::numeric_limits<Extended>::infinity();
    if (x < Ln_half_smallest)
        return 0.0L;
    const Extended k = std::nearbyint(x * Inverse_ln2);
    const Extended r = (x - k * Ln2_high) - k * Ln2_low;
    const Extended t = std::ldexp(r, -Exp_halvings);
    Extended series = 1.0L;
    for (int n = Exp_terms; n >= 2; --n)
        series = 1.0L + t * Exp_reciprocals[n] * series;
    Extended m = t * series;
    for (int i = 0; i < Exp_halvings; ++i)
        m = m * (2.0L + m);
    return std::ldexp(1.0L + m, static_cast<int>(k));
}

// ln x = e ln 2 + ln f with x = 2^e f, f in [√½, √2), and ln f by the atanh
// series. f − 1 is exact, s carries at most 1 ulp, the series' tail (at most
// s²/3 < 1% of the sum) adds 0.5 ulp, and e ln 2 + ln f, formed as
// e Ln2_high + (e Ln2_low + ln f) with e Ln2_high exact, one more rounding:
// below 4 ulp, the cancellation of e = −1 against f near √2 included
// (|ln x| >= ln 2 / 2 there).
Extended Ln(Extended x)
{
    if (std::isnan(x) || x == std::numeric_limits<Extended>::infinity())
        return x;
    if (x < 0.0L)
        return std::numeric_limits<Extended>::quiet_NaN();
    if (x == 0.0L)
        return -std::numeric_limits<Extended>::infinity();
    int e = 0;
    Extended f = std::frexp(x, &e);
    if (f < Sqrt_half) {
        f = 2.0L * f;
        --e;
    }
    const Extended s = (f - 1.0L) / (f + 1.0L);
    const Extended s2 = s * s;
    Extended series = Atanh_coefficients[Atanh_terms - 1];
    for (int n = Atanh_terms - 2; n >= 1; --n)
        series = Atanh_coefficients[n] + s2 * series;
    const Extended twice_s = 2.0L * s;
    const Extended ln_f = twice_s + twice_s * s2 * series;
    const Extended exponent = e;
    return exponent * Ln2_high + (exponent * Ln2_low + ln_f);
}

// ln(1 + x) = ln u · x / (u − 1) with u = 1 + x rounded: the quotient
// x / (u − 1) puts back what the rounding of u took from x, so that the
// result keeps its relative precision however small x is (u − 1 is exact).
// Error: ln u's 4 ulp, relative to a result of ln u's size, plus two
// roundings.
Extended Ln_one_plus(Extended x)
{
    const Extended u = 1.0L + x;
    if (u == 1.0L)
        return x;
    if (std::isinf(u) || std::isnan(u) || u <= 0.0L)
        return Ln(u);
    return Ln(u) * (x / (u - 1.0L));
}
