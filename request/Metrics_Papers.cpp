#include "Metrics_Papers.h"

#include <cmath>
#include <cstdint>
#include <system_error>

#include "Number_format.h"
#include "Read_double.h"

thread_local bool Input_error = false;

namespace {

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

// The number the text spells, without its blanks, read into the nearest
// double (round half to even), the same in every build: the reading is
// exact decimal-to-binary conversion, not arithmetic in the build's own
// precision. A whole part beyond a double's range is refused; a fraction
// too small for a double reads as 0.
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
    std::string number;
    bool in_fraction = false;
    bool has_digit = false;
    bool whole_part_nonzero = false;
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
        if (c == '-') {
            valid = i == 0;
        } else if (c == '.') {
            valid = !in_fraction;
            in_fraction = true;
        } else if (c >= '0' && c <= '9') {
            has_digit = true;
            whole_part_nonzero = whole_part_nonzero || (!in_fraction && c != '0');
        } else {
            valid = false;
        }
        valid = valid && !(blank_inside && inner_blanks == Inner_blanks::Refused);
        number += c;
    }
    double value = 0;
    if (valid && has_digit) {
        const auto [end, error] = Read_double(number.data(), number.data() + number.size(), value);
        if (error == std::errc::result_out_of_range)
            valid = !whole_part_nonzero;  // beyond the largest double, or below the smallest
        else
            valid = error == std::errc() && end == number.data() + number.size();
    }
    if (!valid || !has_digit) {
        Input_error = true;
        Warn_not_numeric(messages, text, caption);
        return 0;
    }
    return value;
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
