#include "Control_data.h"

#include <charconv>
#include <string_view>
#include <system_error>

#include "Number_format.h"
#include "Read_double.h"

namespace {

constexpr std::size_t Maximum_number_length = 64;
constexpr const char* Invalid_number = "Invalid numeric input";

bool Is_separator(int c)
{
    return c >= 0 && c <= 32;
}

bool Is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// Moves past a run of digits; true when there was at least one.
bool Skip_digits(std::string_view text, std::size_t& i)
{
    const std::size_t start = i;
    while (i < text.size() && Is_digit(text[i]))
        ++i;
    return i > start;
}

// The grammar  [+|-] digits [. digits] [(E|e) [+|-] digit digits...],
// where the digits on either side of the point may be missing but not both.
bool Is_decimal_number(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool has_mantissa = Skip_digits(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        has_mantissa = Skip_digits(text, i) || has_mantissa;
    }
    if (!has_mantissa)
        return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!Skip_digits(text, i))
            return false;
    }
    return i == text.size();
}

}  // namespace

std::string Control_data_text(const std::array<std::string, 8>& entries)
{
    std::string text;
    for (const std::string& entry : entries) {
        for (const char c : entry)
            if (!Is_separator(static_cast<unsigned char>(c)))
                text += c;
        text += ' ';
    }
    return text;
}

std::string Read_control_data(const std::function<std::size_t(char* buffer, std::size_t size)>& read_some)
{
    // One byte beyond the limit tells a file at the limit from a larger one.
    std::string text(Control_data_size_limit + 1, '\0');
    std::size_t filled = 0;
    while (filled < text.size()) {
        const std::size_t count = read_some(text.data() + filled, text.size() - filled);
        if (count == 0)
            break;
        filled += count;
    }
    if (filled > Control_data_size_limit)
        throw EIn_out_error(Invalid_number);
    text.resize(filled);
    return text;
}

double Read_control_number(std::istream& in)
{
    std::streambuf& buffer = *in.rdbuf();
    using traits = std::streambuf::traits_type;
    while (buffer.sgetc() != traits::eof() && Is_separator(buffer.sgetc()))
        buffer.sbumpc();
    if (buffer.sgetc() == traits::eof())
        return 0;

    std::string token;
    while (token.size() < Maximum_number_length && buffer.sgetc() != traits::eof() &&
           !Is_separator(buffer.sgetc()))
        token += traits::to_char_type(buffer.sbumpc());
    // A number that runs on past what is kept is damaged data: its rest is no
    // further number.
    const bool runs_on = buffer.sgetc() != traits::eof() && !Is_separator(buffer.sgetc());

    if (runs_on || !Is_decimal_number(token))
        throw EIn_out_error(Invalid_number);
    // from_chars reads the C locale's form whatever the current locale, but
    // takes no leading plus sign.
    std::string_view digits = token;
    if (digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = Read_double(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        throw EIn_out_error(Invalid_number);
    return value;
}

std::string Restored_text(double value)
{
    // printf's "%.6g" in the C locale, so the separator is always a full
    // stop; the double is exact as an extended value.
    return Format_general(value, 6);
}
