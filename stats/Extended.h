// Extended: the library's floating-point type, in which every statistic,
// parameter and result is computed. A header of its own, so that code that
// only passes such values on (the number texts, the result records, the
// table writers) needs none of the library's declarations.
#pragma once

#include <limits>

using Extended = long double;
// On x86 long double is the processor's 80-bit extended format, the library's
// own precision. Where there is no extended unit (WebAssembly), long double is
// wider still (IEEE quad, 113-bit significand, computed in software): the same
// computation, rounded later, which moves results by about 1e-12 relative at
// most and no printed digit of a report.
#if defined(__x86_64__) || defined(__i386__)
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the library needs 80-bit extended precision (64-bit significand)");
#else
static_assert(std::numeric_limits<Extended>::digits >= 64,
              "the library needs at least extended precision (a 64-bit significand)");
#endif
