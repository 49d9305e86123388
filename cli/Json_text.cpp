#include "Json_text.h"

#include <charconv>
#include <cmath>

#include "Read_double.h"
#include "Shortest_double.h"
#include "Table_number.h"

namespace {

// The length of the well-formed UTF-8 character at the start of text, or 0
// (the table of well-formed byte sequences of Unicode 15, section 3.9).
std::size_t Utf8_length(std::string_view text)
{
    const auto byte = [&text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const auto in = [](unsigned value, unsigned low, unsigned high) {
        return value >= low && value <= high;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (in(lead, 0xC2, 0xDF))
        return in(byte(1), 0x80, 0xBF) ? 2 : 0;
    if (in(lead, 0xE0, 0xEF)) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) ? 3 : 0;
    }
    if (in(lead, 0xF0, 0xF4)) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) && in(byte(3), 0x80, 0xBF) ? 4
                                                                                            : 0;
    }
    return 0;
}

}  // namespace

void Write_json_string(std::ostream& out, std::string_view text)
{
    constexpr char hex[] = "0123456789abcdef";
    out << '"';
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text.front());
        const std::size_t length = Utf8_length(text);
        if (length == 0) {
            out << "\\ufffd";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out << '\\' << static_cast<char>(c);
        } else if (c == '\n') {
            out << "\\n";
        } else if (c == '\r') {
            out << "\\r";
        } else if (c == '\t') {
            out << "\\t";
        } else if (c < 0x20) {
            out << "\\u00" << hex[c >> 4] << hex[c & 0xF];
        } else {
            out << text.substr(0, length);
        }
        text.remove_prefix(length);
    }
    out << '"';
}

std::string Json_number(Extended value)
{
    if (!std::isfinite(value))
        return "null";
    std::string digits = Table_number(value);
    double read_back = 0;
    const auto [end, error] = Read_double(digits.data(), digits.data() + digits.size(), read_back);
    if (error != std::errc() || end != digits.data() + digits.size())
        return digits;
    return Shortest_double_text(read_back);
}
