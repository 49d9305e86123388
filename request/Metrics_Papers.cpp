#include "Metrics_Papers.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "Number_format.h"
#include "distrib.h"

thread_local bool Input_error = false;

namespace {

// Decimal places from this one on contribute less than d / 10^325 < 2^-1075,
// half the smallest positive double, so they cannot change the value read.
constexpr int Last_significant_place = 324;

// 10^place for each decimal place that can count, formed once by
// Integer_power as each digit of a fraction would form it.
Extended Ten_to_the(int place)
{
    static const std::array<Extended, Last_significant_place + 1> powers = [] {
        std::array<Extended, Last_significant_place + 1> table{};
        for (int k = 0; k <= Last_significant_place; ++k)
            table[static_cast<std::size_t>(k)] = Integer_power(10, k);
        return table;
    }();
    return powers[static_cast<std::size_t>(place)];
}

std::string Value_text(double value, char separator)
{
    return Format_fixed(value, 3, 3, separator);
}

void Warn_not_numeric(User_messages& messages, const std::string& text, std::string_view caption)
{
    messages.Show_warning("INPUT ERROR\r(  " + std::string(caption) + "  " + text +
                          "  )\r\rEnter numeric data only.");
}

}  // namespace

char Filter_numeric_key(User_messages& messages, char key)
{
    if (key == ',')
        key = '.';
    const bool passes = key == 8 || key == 9 || key == 13 || key == '-' || key == '.' ||
                        (key >= '0' && key <= '9');
    if (passes)
        return key;
    messages.Beep();
    messages.Show_warning("INPUT ERROR\r\rEnter numeric data only.");
    return 0;
}

std::string Limit_input_length(User_messages& messages, const std::string& text)
{
    messages.Beep();
    messages.Show_warning("Maximum length of input is " + std::to_string(Maximum_input_length) + " characters.");
    // Count characters, not bytes: a UTF-8 continuation byte (10xxxxxx)
    // belongs to the character before it.
    std::size_t characters = 0;
    std::size_t end = 0;
    for (; end < text.size(); ++end) {
        const bool starts_character = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (starts_character && characters++ == Maximum_input_length)
            break;
    }
    return text.substr(0, end);
}

// The value of sign, whole-number digits, point and fraction digits:
//   value = sum of d_i * 10^(n-i) over the whole part, plus sum of d_k / 10^k
// over the fraction, accumulated digit by digit from the left; each fraction
// term is formed in extended precision and the sum kept as a double.
double Read_numeric_input(User_messages& messages, const std::string& text,
                          std::string_view caption, Inner_blanks inner_blanks)
{
    if (text.empty()) {
        Input_error = true;
        messages.Show_warning("INPUT ERROR\r\r(  " + std::string(caption) +
                              "  )\r\rData have not been entered in this field.");
        return 0;
    }
    Input_error = false;
    const bool negative = text.front() == '-';
    double value = 0;
    bool in_fraction = false;
    int place = 0;
    bool has_digit = false;
    bool valid = true;
    bool begun = false;          // a character other than a blank was met
    bool blank_inside = false;   // a blank followed it
    for (std::size_t i = 0; i < text.size() && valid; ++i) {
        const char c = text[i];
        if (c == ' ') {
            blank_inside = begun;
            continue;
        }
        begun = true;
        if (blank_inside && inner_blanks == Inner_blanks::Refused) {
            valid = false;
        } else if (c == '-') {
            valid = i == 0;
        } else if (c == '.') {
            valid = !in_fraction;
            in_fraction = true;
            place = 1;
        } else if (c >= '0' && c <= '9') {
            const int digit = c - '0';
            has_digit = true;
            if (!in_fraction) {
                // Refuse rather than overflow to infinity.
                valid = value <= (DBL_MAX - digit) / 10;
                if (valid)
                    value = value * 10 + digit;
            } else if (place <= Last_significant_place) {
                value = static_cast<double>(value + digit / Ten_to_the(place));
                ++place;
            }
        } else {
            valid = false;
        }
    }
    if (!valid || !has_digit) {
        Input_error = true;
        Warn_not_numeric(messages, text, caption);
    }
    return negative ? -value : value;
}

bool Check_positive_sd(User_messages& messages, std::string_view caption, double value,
                       char separator)
{
    if (value > 0)
        return true;
    messages.Show_warning("INPUT ERROR\r(  " + std::string(caption) + "  " + Value_text(value, separator) +
                          "  )\rStandard deviations must have a positive value.");
    return false;
}

bool Check_sample_size(User_messages& messages, std::string_view caption, double value,
                       char separator)
{
    // INT32_MAX bounds N so that the click's conversion to a signed 32-bit
    // integer is exact.
    if (value - std::trunc(value) == 0 && value > 2 && value <= INT32_MAX)
        return true;
    messages.Show_warning("INPUT ERROR\r(  " + std::string(caption) + "  " + Value_text(value, separator) +
                          "  )\rThe value for sample size must be an integer greater than 2.");
    return false;
}
