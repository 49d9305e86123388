#include "Json_text.h"

#include <charconv>
#include <cmath>

#include "Read_double.h"
#include "Shortest_double.h"
#include "Table_number.h"
#include "Utf8_text.h"

void Write_json_string(Text_sink& out, std::string_view text)
{
    constexpr char hex[] = "0123456789abcdef";
    // Printable ASCII other than the quote and the backslash stands as it is.
    const auto plain = [](unsigned char c) { return c >= 0x20 && c < 0x80 && c != '"' && c != '\\'; };
    out.Append('"');
    while (!text.empty()) {
        std::size_t run = 0;
        while (run < text.size() && plain(static_cast<unsigned char>(text[run])))
            ++run;
        out.Append(text.substr(0, run));
        text.remove_prefix(run);
        if (text.empty())
            break;
        const auto c = static_cast<unsigned char>(text.front());
        const std::size_t length = Utf8_length(text);
        if (length == 0) {
            out.Append("\\ufffd");
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out.Append('\\');
            out.Append(static_cast<char>(c));
        } else if (c == '\n') {
            out.Append("\\n");
        } else if (c == '\r') {
            out.Append("\\r");
        } else if (c == '\t') {
            out.Append("\\t");
        } else if (c < 0x20) {
            out.Append("\\u00");
            out.Append(hex[c >> 4]);
            out.Append(hex[c & 0xF]);
        } else {
            out.Append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    out.Append('"');
}

std::string Json_number(Extended value)
{
    if (!std::isfinite(value))
        return "null";
    const General_number_text digits = Table_number(value);
    const std::string_view text = digits.View();
    double read_back = 0;
    const auto [end, error] = Read_double(text.data(), text.data() + text.size(), read_back);
    if (error != std::errc() || end != text.data() + text.size())
        return std::string(text);
    return Shortest_double_text(read_back);
}
