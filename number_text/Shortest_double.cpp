#include "Shortest_double.h"

#include <charconv>

#if defined(__cpp_lib_to_chars)

std::string Shortest_double_text(double value, Double_notation notation)
{
    // Room for any double in fixed notation: a sign and 309 integer digits,
    // or "0." and the 324 decimals of the least subnormal.
    char text[400];
    const auto result = notation == Double_notation::Fixed
                            ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
                            : std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

#else

// Where the standard library has no floating-point to_chars (libc++ before
// 17, as in the WebAssembly build): for P = 1, 2, ... the P-digit decimals
// nearest to the value (the correctly rounded one first, then its neighbours
// on either side, for the uneven gaps at a power of two) until one reads back
// to the double; then the layout of its digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "Decimal_digits.h"
#include "Read_double.h"

namespace {

// Digits d1 d2 ... dn (no trailing zero) times 10^(exponent − n + 1).
std::string Fixed_layout(const std::string& digits, int exponent)
{
    if (exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integer_digits)
        return digits + std::string(integer_digits - digits.size(), '0');
    return digits.substr(0, integer_digits) + "." + digits.substr(integer_digits);
}

std::string Scientific_layout(const std::string& digits, int exponent)
{
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1)
        text += "." + digits.substr(1);
    text += exponent < 0 ? "e-" : "e+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        text += '0';
    return text + std::to_string(magnitude);
}

bool Reads_back(const std::string& text, double value)
{
    double read = 0;
    const auto result = Read_double(text.data(), text.data() + text.size(), read);
    return result.ec == std::errc() && read == value;
}

}  // namespace

std::string Shortest_double_text(double value, Double_notation notation)
{
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value))
        return sign + "nan";
    if (std::isinf(value))
        return sign + "inf";
    if (value == 0)
        return sign + "0";
    const double magnitude = std::fabs(value);
    for (int count = 1; count <= 17; ++count) {
        const Decimal_digits nearest = Round_to_decimal_digits(magnitude, count);
        for (const int step : {0, 1, -1}) {
            const std::uint64_t candidate = nearest.Digits + static_cast<std::uint64_t>(static_cast<std::int64_t>(step));
            std::string digits = std::to_string(candidate);
            if (digits.size() != static_cast<std::size_t>(count))
                continue;  // a neighbour with another number of digits comes with another count
            digits.erase(digits.find_last_not_of('0') + 1);
            const std::string fixed = sign + Fixed_layout(digits, nearest.Exponent);
            const std::string scientific = sign + Scientific_layout(digits, nearest.Exponent);
            const bool fixed_chosen = notation == Double_notation::Fixed || fixed.size() <= scientific.size();
            if (Reads_back(fixed_chosen ? fixed : scientific, value))
                return fixed_chosen ? fixed : scientific;
        }
    }
    throw std::logic_error("Shortest_double_text: 17 significant digits always read back");
}

#endif
