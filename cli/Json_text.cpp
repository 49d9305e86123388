#include "Json_text.h"

#include <charconv>
#include <cmath>

#include "Read_double.h"
#include "Shortest_double.h"
#include "Table_number.h"
#include "Utf8_text.h"

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
