// The extent of a label's text in the picture's sans-serif font, measured
// without any toolkit, so that the layout can fit and separate its labels
// and a writer without font metrics (the SVG writer) can box them.
//
// The widths are those of Helvetica (the Adobe core font metrics), which
// Arial and Liberation Sans share glyph for glyph: the fonts that the
// renderers ask for first. A character outside ASCII counts as a digit's
// width.
#pragma once

#include <string_view>

// The fonts a renderer asks for, best first, ending in the generic family
// that every browser and toolkit has.
inline constexpr std::string_view Plot_font_families = "Liberation Sans, Arial, Helvetica, sans-serif";

// The advance width of text at a font size of `size` pixels.
double Text_width(std::string_view text, double size, bool bold);

// The height above and below the baseline that a line of text occupies, as
// shares of the font size (Liberation Sans's ascent and descent).
inline constexpr double Text_ascent = 0.905;
inline constexpr double Text_descent = 0.212;
