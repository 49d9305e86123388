// The exponential and logarithms of long double for the library (internal
// header).
//
// Where long double is the x86 80-bit format, these are the C library's
// expl, logl and log1pl. Emscripten's C library has long double as IEEE quad
// (a 113-bit significand) but gives it only the double's exp and log: their
// 53 bits lose digits in every tail taken through an exponent, and every
// value below a double's range (about 2.2e-308). There the build compiles the
// library's own quad-precision functions instead (Quad_elementary.cpp), so
// that the results agree with the 80-bit ones far beyond the printed digits.
#pragma once

#include "Extended.h"

#include <cmath>
#include <limits>

#if defined(VORAN_QUAD_ELEMENTARY)

static_assert(std::numeric_limits<Extended>::digits == 113, "the library's own exp and log are for IEEE quad");

// e^x, within 3 units in the last place (2^-110 relative) over the normal
// range; +∞ above ln(max), 0 below the smallest subnormal's half.
Extended Exp(Extended x);
// ln x, within 4 units in the last place; −∞ at 0, NaN below it.
Extended Ln(Extended x);
// ln(1 + x), within 6 units in the last place relative to the result.
Extended Ln_one_plus(Extended x);

#else

inline Extended Exp(Extended x) { return std::exp(x); }
inline Extended Ln(Extended x) { return std::log(x); }
inline Extended Ln_one_plus(Extended x) { return std::log1p(x); }

#endif
