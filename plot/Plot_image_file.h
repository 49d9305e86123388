// The picture as a file, whatever draws it: the formats chosen by the file
// name's extension, the size of a saved picture, and the program's picture
// of a comparison (its title in the caption).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Plot_subject.h"

enum class Image_format { Png, Svg };

struct Image_format_names {
    Image_format Value;
    std::string_view Extension;  // without the dot, lower case
};

inline constexpr std::array<Image_format_names, 2> Image_format_table = {{
    {Image_format::Png, "png"},
    {Image_format::Svg, "svg"},
}};

// The name that saving a picture in the format proposes: "plot.png".
std::string Proposed_image_name(Image_format format);

// The save dialog's filter: "*.png *.svg".
std::string Image_file_filter();

// The format that the name's extension names (in any letter case); empty for
// any other name.
std::optional<Image_format> Image_format_of(const std::string& file_name);

// The size of a saved picture in plot units; a PNG has two pixels per unit.
inline constexpr double Image_width = 800;
inline constexpr double Image_height = 500;
inline constexpr double Png_pixels_per_unit = 2;

// The program's picture of a comparison: its title in the caption.
Plot_subject Program_plot_subject(const Comparison_request& request, const Comparison_result& result,
                                  char decimal_separator);

// The extension that a name without one gains: "png".
inline constexpr std::string_view Default_image_extension = Image_format_table.front().Extension;

// The format that the name's extension names; raises std::runtime_error
// saying which names are written for any other name.
Image_format Required_image_format(const std::string& file_name);
