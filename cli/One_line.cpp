#include "One_line.h"

std::string One_line(std::string_view text)
{
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // UTF-8 writes the C1 controls as 0xC2 followed by 0x80 to 0x9F; a
        // terminal reads U+009B as the escape sequence's introducer.
        const bool c1_control =
            c == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (c1_control)
            ++i;
        line += c < 0x20 || c == 0x7F || c1_control ? ' ' : text[i];
    }
    return line;
}
