#include "Number_format.h"

#include "Decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

std::string Format_fixed(Extended value, int width, int precision, char separator)
{
    if (precision < 0)
        throw std::invalid_argument("Format_fixed: negative precision " +
                                    std::to_string(precision));

    std::string text = Fixed_decimal_text(value, precision);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = separator;
    if (text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string Format_trimmed(Extended value, int max_precision, char separator)
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

// %.Pg: with X the decimal exponent of the leading digit after rounding to P
// digits, fixed notation when −4 <= X < P, scientific otherwise (an exponent
// of at least two digits); trailing zeros of the fraction and a bare point
// are dropped. Writes the text at `end`, with room for General_number_text's
// characters, and returns the end of what it wrote.
char* Write_general(char* end, Extended value, int significant_digits)
{
    // Character by character: the parts are a few characters each, shorter
    // than a call to copy them would pay for.
    const auto put = [&end](std::string_view part) {
        for (const char c : part)
            *end++ = c;
    };

    if (std::signbit(value))
        put("-");
    if (std::isnan(value)) {
        put("nan");
        return end;
    }
    if (std::isinf(value)) {
        put("inf");
        return end;
    }
    if (value == 0) {
        put("0");
        return end;
    }

    const Decimal_digits rounded = Round_to_decimal_digits(std::fabs(value), significant_digits);
    // The significant digits without the trailing zeros (at least the
    // first): Digits has exactly significant_digits of them. They are
    // written two at a time from the right.
    std::uint64_t digits = rounded.Digits;
    int count = significant_digits;
    for (; count > 4 && digits % 10000 == 0; count -= 4)
        digits /= 10000;
    for (; count > 1 && digits % 10 == 0; --count)
        digits /= 10;
    char kept_digits[Max_decimal_digits];
    int at = count;
    for (; at >= 2; at -= 2, digits /= 100) {
        const auto pair = static_cast<std::size_t>(digits % 100);
        kept_digits[at - 2] = Digit_pairs[2 * pair];
        kept_digits[at - 1] = Digit_pairs[2 * pair + 1];
    }
    if (at == 1)
        kept_digits[0] = static_cast<char>('0' + digits);
    const std::string_view kept(kept_digits, static_cast<std::size_t>(count));
    const int exponent = rounded.Exponent;

    if (exponent >= -4 && exponent < significant_digits) {
        if (exponent < 0) {
            put("0.");
            end = std::fill_n(end, -exponent - 1, '0');
            put(kept);
            return end;
        }
        const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
        if (kept.size() <= integer_digits) {
            put(kept);
            end = std::fill_n(end, integer_digits - kept.size(), '0');
            return end;
        }
        put(kept.substr(0, integer_digits));
        put(".");
        put(kept.substr(integer_digits));
        return end;
    }
    put(kept.substr(0, 1));
    if (kept.size() > 1) {
        put(".");
        put(kept.substr(1));
    }
    put(exponent < 0 ? "e-" : "e+");
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        put("0");
    // At most five digits: the exponent of an extended value.
    end = std::to_chars(end, end + 5, magnitude).ptr;
    return end;
}

}  // namespace

General_number_text General_number(Extended value, int significant_digits)
{
    General_number_text text;
    text.Size = static_cast<std::size_t>(Write_general(text.Chars.data(), value, significant_digits) -
                                         text.Chars.data());
    return text;
}

std::string Format_general(Extended value, int significant_digits)
{
    return std::string(General_number(value, significant_digits).View());
}
