// The precision of the C library's long double exp and log in this build,
// on which Boost.Math's long double references rest.
//
// On x86-64, exp, log, pow and the others of long double are the 80-bit ones.
// Emscripten's C library has no IEEE quad versions of them: its expl, logl,
// powl, ... are the double's, so that Boost.Math at long double, built on
// them, gives no reference there (ibeta(20, 20, 0.5 − 2^−114) = 0.99996).
// The library itself brings its own quad exp and log for that build
// (Elementary.h); the tests compare it there with fixed values instead.
#pragma once

#include "Extended.h"

#include <limits>

#if defined(__EMSCRIPTEN__)
inline constexpr bool Elementary_functions_in_double = true;
#else
inline constexpr bool Elementary_functions_in_double = false;
#endif

inline constexpr const char* Elementary_functions_reason =
    "long double's exp and log are the double's in this C library, and Boost.Math's "
    "long double references rest on them";

// A unit in the last place of the 80-bit format, relative, where long double
// is wider: the library's constants (ln Γ(1/2), ln 2π) were evaluated and
// rounded in that format. 0 where long double is that format, whose
// evaluations give the constants exactly.
inline constexpr Extended Extended_constant_rounding =
    std::numeric_limits<Extended>::digits > 64 ? 0x1p-64L : 0.0L;
