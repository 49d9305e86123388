// The decimal digits of a long double (the 80-bit extended format, or IEEE
// quad where there is none), correctly rounded from its exact binary value.
//
// Why the program rounds its own digits instead of calling std::to_chars or
// printf: the numbers the program writes (the report's %W.Pf, the tables'
// %.12g, the shortest text of a double in JSON Lines) must be the same
// characters wherever the core runs, the desktop and the WebAssembly build
// alike, and whatever the C locale. WebAssembly's printf gives a long double
// only a double's digits, its libc++ has no std::to_chars for long double,
// and libstdc++'s goes through the C library's printf. This is integer
// arithmetic on the exact binary value with the rounding of std::to_chars
// (ties to even); tests/Format_general_test.cpp checks that the two give
// the same characters on a million values of every kind.
#pragma once

#include <cstdint>
#include <string>

// The magnitude v of a nonzero finite value rounded to `count` significant
// decimal digits:
// v ≈ Digits · 10^(Exponent − count + 1), with 10^(count−1) <= Digits < 10^count,
// so Exponent is the decimal exponent of the leading digit. Rounded to
// nearest from the exact binary value, ties to the even digit (the rounding
// of printf and std::to_chars in the default rounding mode).
struct Decimal_digits {
    std::uint64_t Digits = 0;
    int Exponent = 0;
};

// count from 1 to Max_decimal_digits; value nonzero and finite (subnormals
// included). The value is taken where it lies: in the 80-bit format its
// fields are read from its bytes, and a copy just stored for a call would be
// read back through a stalled store.
inline constexpr int Max_decimal_digits = 18;
Decimal_digits Round_to_decimal_digits(const long double& value, int count);

// The %.Pf pattern: fixed point with `decimals` decimals (none and no point
// for 0), a full stop, a leading minus sign for a negative value (-0 too),
// rounded to nearest, ties to even; "inf", "-inf", "nan" and "-nan" as
// printf writes them. What std::to_chars(value, chars_format::fixed, P) gives.
std::string Fixed_decimal_text(long double value, int decimals);
