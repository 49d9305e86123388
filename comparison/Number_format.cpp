#include "Number_format.h"

#include "Decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

// %.Pg: with X the decimal exponent of the leading digit after rounding to P
// digits, fixed notation when −4 <= X < P, scientific otherwise (an exponent
// of at least two digits); trailing zeros of the fraction and a bare point
// are dropped.
General_number_text General_number(Extended value, int significant_digits)
{
    General_number_text text;
    char* end = text.Chars.data();
    const auto put = [&end](std::string_view part) { end = std::copy(part.begin(), part.end(), end); };
    const auto done = [&] {
        text.Size = static_cast<std::size_t>(end - text.Chars.data());
        return text;
    };

    if (std::signbit(value))
        put("-");
    if (std::isnan(value)) {
        put("nan");
        return done();
    }
    if (std::isinf(value)) {
        put("inf");
        return done();
    }
    if (value == 0) {
        put("0");
        return done();
    }

    const Decimal_digits rounded = Round_to_decimal_digits(std::fabs(value), significant_digits);
    char digits[Max_decimal_digits + 1];
    const auto written = std::to_chars(digits, digits + sizeof digits, rounded.Digits);
    std::string_view all(digits, static_cast<std::size_t>(written.ptr - digits));
    // The significant digits without the trailing zeros; at least the first.
    const std::string_view kept = all.substr(0, std::max<std::size_t>(all.find_last_not_of('0') + 1, 1));
    const int exponent = rounded.Exponent;

    if (exponent >= -4 && exponent < significant_digits) {
        if (exponent < 0) {
            put("0.");
            end = std::fill_n(end, -exponent - 1, '0');
            put(kept);
            return done();
        }
        const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
        if (kept.size() <= integer_digits) {
            put(kept);
            end = std::fill_n(end, integer_digits - kept.size(), '0');
            return done();
        }
        put(kept.substr(0, integer_digits));
        put(".");
        put(kept.substr(integer_digits));
        return done();
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
    end = std::to_chars(end, text.Chars.data() + text.Chars.size(), magnitude).ptr;
    return done();
}

std::string Format_general(Extended value, int significant_digits)
{
    return std::string(General_number(value, significant_digits).View());
}
