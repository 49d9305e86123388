#include "Number_format.h"

#include <charconv>
#include <limits>
#include <stdexcept>
#include <string>

std::string Format_fixed(Extended value, int width, int precision, char separator)
{
    if (precision < 0)
        throw std::invalid_argument("Format_fixed: negative precision " +
                                    std::to_string(precision));

    // Room for the sign, every integer digit of the largest finite value,
    // the decimal point and the decimals.
    std::string text(
        static_cast<std::size_t>(std::numeric_limits<Extended>::max_exponent10) + 4 +
            static_cast<std::size_t>(precision),
        '\0');
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::fixed, precision);
    if (error != std::errc())
        throw std::runtime_error("Format_fixed: the number does not fit its buffer");
    text.resize(static_cast<std::size_t>(end - text.data()));

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
