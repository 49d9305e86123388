// Numbers as the report's %W.Pf patterns and the batch tool write them.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The separator that number texts are written with, from the decimal
// separator that the user's locale names (UTF-8): that character when it is
// a single ASCII character, otherwise a full stop. A longer separator, or a
// single byte above ASCII (a legacy 8-bit locale's), would not be one valid
// UTF-8 character in every number's text.
char Decimal_separator_of(std::string_view locale_separator);

// The user's decimal separator in place of the full stop that the number
// texts are written with: the one step from a number's text to the text the
// user reads. Inline, as a table writer calls it for every number.
inline void Put_decimal_separator(std::span<char> number, char separator)
{
    if (separator != '.')
        std::replace(number.begin(), number.end(), '.', separator);
}

// The %W.Pf pattern: fixed point with exactly P decimals (none and no
// separator for P = 0), right-aligned with leading blanks in at least W
// characters (wider numbers are not cut), with the given decimal separator.
// The value is correctly rounded from its own extended value, independently
// of the C locale.
std::string Format_fixed(long double value, int width, int precision, char separator);

// A number with the decimals it needs, up to max_precision: the %1.Pf pattern
// with P = max_precision, its trailing zeros removed and the separator too
// when no decimal is left ("95", "97,5", "0.125").
std::string Format_trimmed(long double value, int max_precision, char separator);

// The shortest of fixed and scientific notation with the given number of
// significant digits (1 to 18), trailing zeros dropped, a full stop as the
// decimal point: the %.Pg pattern, and exactly the characters of
// std::to_chars(value, std::chars_format::general, P) for long double,
// without going through the C library's printf ("inf", "nan", "-0" as there).
std::string Format_general(long double value, int significant_digits);

// The same characters written in place, for a writer that formats many
// numbers and needs no string for each: `at` must have General_number_room
// characters of room (the digits are written in whole blocks, past the
// text's end). Returns the end of the text. The value is taken where it
// lies (see Round_to_decimal_digits).
inline constexpr std::size_t General_number_room = 40;
char* Write_general_number(char* at, const long double& value, int significant_digits);

// The same characters in a buffer of their own. The longest text is a sign,
// 18 digits, a point and "e-4951".
struct General_number_text {
    std::array<char, General_number_room> Chars;
    std::size_t Size = 0;
    std::string_view View() const { return {Chars.data(), Size}; }
};
General_number_text General_number(long double value, int significant_digits);
