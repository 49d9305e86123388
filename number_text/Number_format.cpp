#include "Number_format.h"

#include "Decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

char Decimal_separator_of(std::string_view locale_separator)
{
    const bool one_ascii = locale_separator.size() == 1 && static_cast<unsigned char>(locale_separator[0]) < 0x80;
    return one_ascii ? locale_separator[0] : '.';
}

std::string Format_fixed(long double value, int width, int precision, char separator)
{
    if (precision < 0)
        throw std::invalid_argument("Format_fixed: negative precision " +
                                    std::to_string(precision));

    std::string text = Fixed_decimal_text(value, precision);
    Put_decimal_separator(text, separator);
    if (text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string Format_trimmed(long double value, int max_precision, char separator)
{
    std::string text = Format_fixed(value, 1, max_precision, separator);
    if (max_precision == 0)
        return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == separator)
        text.pop_back();
    return text;
}

namespace {

// "00" to "99", each pair of digits at twice its value.
constexpr std::array<char, 200> Digit_pairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

void Put_pair(char* out, std::uint64_t pair)
{
    std::memcpy(out, &Digit_pairs[2 * pair], 2);
}

// The eight decimal digits of n < 10^8, leading zeros included, without a
// division: y is n / 10^6 in fixed point with 32 fraction bits (the
// multiplier 2^51 / 10^6 rounded up, the shift and the added 4 chosen so
// that the truncations never lose a unit, checked for every n below 10^8).
// Its integer part is the first pair of digits; the fraction times 100 gives
// the next, and so on.
void Put_eight_digits(char* out, std::uint32_t n)
{
    constexpr std::uint64_t Fraction_mask = 0xFFFFFFFF;
    std::uint64_t y = (std::uint64_t{n} * 2251799815 >> 19) + 4;
    Put_pair(out, y >> 32);
    y = (y & Fraction_mask) * 100;
    Put_pair(out + 2, y >> 32);
    y = (y & Fraction_mask) * 100;
    Put_pair(out + 4, y >> 32);
    y = (y & Fraction_mask) * 100;
    Put_pair(out + 6, y >> 32);
}

// The last `count` decimal digits of n < 10^count, leading zeros included,
// ending at `end`: the last twelve (two pairs, then eight) for a count up to
// twelve, eighteen (a pair and two groups of eight) for more; the digits
// before the count's are zeros.
void Put_digits(char* end, std::uint64_t n, int count)
{
    constexpr std::uint64_t Eight_digits = 100000000;
    const std::uint64_t high = n / Eight_digits;
    Put_eight_digits(end - 8, static_cast<std::uint32_t>(n % Eight_digits));
    if (count <= 12) {
        Put_pair(end - 12, high / 100);
        Put_pair(end - 10, high % 100);
        return;
    }
    Put_eight_digits(end - 16, static_cast<std::uint32_t>(high % Eight_digits));
    Put_pair(end - 18, high / Eight_digits);
}

}  // namespace

// %.Pg: with X the decimal exponent of the leading digit after rounding to P
// digits, fixed notation when −4 <= X < P, scientific otherwise (an exponent
// of at least two digits); trailing zeros of the fraction and a bare point
// are dropped.
//
// The digits are copied in blocks of Max_decimal_digits whatever their
// number, the characters past a block's last digit overwritten by what
// follows or left beyond the end: fixed-size copies are single moves where
// a copy of a varying length would be a call. Hence General_number_room.
char* Write_general_number(char* end, const long double& value, int significant_digits)
{
    const auto put = [&end](std::string_view part) {
        for (const char c : part)
            *end++ = c;
    };

    if (std::signbit(value))
        *end++ = '-';
    if (std::isnan(value)) {
        put("nan");
        return end;
    }
    if (std::isinf(value)) {
        put("inf");
        return end;
    }
    if (value == 0) {
        *end++ = '0';
        return end;
    }

    constexpr int Block = Max_decimal_digits;
    const Decimal_digits rounded = Round_to_decimal_digits(value, significant_digits);
    // The P digits start at `digits`; the array runs on a block past them.
    char all_digits[2 * Block] = {};
    Put_digits(all_digits + Block, rounded.Digits, significant_digits);
    const char* const digits = all_digits + (Block - significant_digits);
    const auto put_digits = [&end](const char* from, int count) {
        std::memcpy(end, from, Block);
        end += count;
    };
    // Zeros at the end of the fraction, then its point, are dropped; the
    // digit before the point ends the search.
    const auto drop_trailing_zeros = [&end] {
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.')
            --end;
    };
    const int exponent = rounded.Exponent;

    if (exponent >= -4 && exponent < significant_digits) {
        if (exponent < 0) {
            put("0.");
            end = std::fill_n(end, -exponent - 1, '0');
            put_digits(digits, significant_digits);
            drop_trailing_zeros();
            return end;
        }
        const int integer_digits = exponent + 1;
        put_digits(digits, integer_digits);
        if (integer_digits == significant_digits)
            return end;
        *end++ = '.';
        put_digits(digits + integer_digits, significant_digits - integer_digits);
        drop_trailing_zeros();
        return end;
    }
    *end++ = digits[0];
    *end++ = '.';
    put_digits(digits + 1, significant_digits - 1);
    drop_trailing_zeros();
    put(exponent < 0 ? "e-" : "e+");
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        *end++ = '0';
    // At most five digits: the exponent of an extended value.
    end = std::to_chars(end, end + 5, magnitude).ptr;
    return end;
}

General_number_text General_number(long double value, int significant_digits)
{
    General_number_text text;
    text.Size = static_cast<std::size_t>(Write_general_number(text.Chars.data(), value, significant_digits) -
                                         text.Chars.data());
    return text;
}

std::string Format_general(long double value, int significant_digits)
{
    return std::string(General_number(value, significant_digits).View());
}
