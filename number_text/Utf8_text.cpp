#include "Utf8_text.h"

std::size_t Utf8_length(std::string_view text)
{
    const auto byte = [&text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const auto in = [](unsigned value, unsigned low, unsigned high) {
        return value >= low && value <= high;
    };
    if (text.empty())
        return 0;
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
