#include "Text_metrics.h"

#include <array>

namespace {

// Advance widths in thousandths of the font size, for the characters from
// the blank (32) to the tilde (126), from the fonts' AFM files.
constexpr std::array<short, 95> Regular_widths = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // blank to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556,                                // 0 to 9
    278, 278, 584, 584, 584, 556, 1015,                                              // : to @
    667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833,                 // A to M
    722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611,                 // N to Z
    278, 278, 278, 469, 556, 333,                                                    // [ to `
    556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833,                 // a to m
    556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500,                 // n to z
    334, 260, 334, 584,                                                              // { to ~
};
constexpr std::array<short, 95> Bold_widths = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,  // blank to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556,                                // 0 to 9
    333, 333, 584, 584, 584, 611, 975,                                               // : to @
    722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833,                 // A to M
    722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611,                 // N to Z
    333, 278, 333, 584, 556, 333,                                                    // [ to `
    556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889,                 // a to m
    611, 611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500,                 // n to z
    389, 280, 389, 584,                                                              // { to ~
};
constexpr short Other_width = 556;

}  // namespace

double Text_width(std::string_view text, double size, bool bold)
{
    const auto& widths = bold ? Bold_widths : Regular_widths;
    long thousandths = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte < 127)
            thousandths += widths[byte - 32];
        else if (byte < 0x80 || byte >= 0xC0)  // a control character or a UTF-8 lead byte
            thousandths += Other_width;
    }
    return static_cast<double>(thousandths) * size / 1000;
}
