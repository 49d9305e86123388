// The precision of long double's elementary functions in this build.
//
// On x86-64, exp, log, pow and the others of long double are the 80-bit ones.
// Emscripten's C library has no IEEE quad versions of them: its expl, logl,
// powl, ... are the double's. In the WebAssembly build a result therefore
// carries the double's rounding (2.2e-16 relative) times the size of the
// exponent it went through, values below a double's range (about 2.2e-308)
// are lost, and Boost.Math at long double, built on the same functions, gives
// no reference at all (ibeta(20, 20, 0.5 − 2^−114) = 0.99996 there).
#pragma once

#include "distrib.h"

#if defined(__EMSCRIPTEN__)
inline constexpr bool Elementary_functions_in_double = true;
#else
inline constexpr bool Elementary_functions_in_double = false;
#endif

inline constexpr const char* Elementary_functions_reason =
    "long double's exp and log are the double's in this C library (and Boost.Math's "
    "long double references rest on them)";

// The error that double-precision exp and log add to a result through an
// exponent of the given size; 0 where they are long double's.
constexpr Extended Elementary_error(Extended exponent_size)
{
    return Elementary_functions_in_double ? (exponent_size + 1.0L) * 2.220446049250313e-16L : 0.0L;
}
