// The picture as an image file, PNG or SVG by the file name's extension, and
// the picture of the program's comparison (its title in the caption).
#pragma once

#include <QByteArray>
#include <QString>

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

// The save dialog's filter: "*.png *.svg".
std::string Image_file_filter();

// The format that the name's extension names (in any letter case); empty for
// any other name.
std::optional<Image_format> Image_format_of(const std::string& file_name);

// The size of a saved picture in plot units; a PNG has two pixels per unit.
inline constexpr double Image_width = 800;
inline constexpr double Image_height = 500;
inline constexpr double Png_pixels_per_unit = 2;

// The picture's bytes in the format. Needs a QGuiApplication (for the fonts).
QByteArray Plot_image(const Plot_subject& subject, Image_format format);

// Writes the picture to path, replacing the file only after a complete write.
// A name that ends neither in .png nor in .svg raises std::runtime_error; a
// file that cannot be written raises EIn_out_error as "Save Output" does.
void Save_plot_image(const QString& path, const Plot_subject& subject);

// The program's picture of a comparison: its title in the caption.
Plot_subject Program_plot_subject(const Comparison_request& request, const Comparison_result& result,
                                  char decimal_separator);

// For a program without a window: writes the picture of the comparison to
// path as Save_plot_image does. Makes a QGuiApplication for the call when
// there is none, on the offscreen platform unless QT_QPA_PLATFORM names one,
// so that no display is needed.
void Write_plot_file(const std::string& path, const Comparison_request& request, const Comparison_result& result,
                     char decimal_separator);
