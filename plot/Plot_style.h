// How the picture is drawn, for every renderer (QPainter, SVG): readable in
// black and white and on a projector, with black lines of 1.5 to 3 units,
// the tail in a light grey fill, the marker dashed and the labels that cross
// a line on white boxes. Lengths are in plot units.
#pragma once

namespace Plot_style {

inline constexpr int Shade_grey = 200;  // the tail's fill, of 255
inline constexpr double Curve_width = 2.5;
inline constexpr double Axis_width = 1.5;
inline constexpr double Marker_width = 2;
// The marker's dashes and gaps in multiples of its width (Qt's dash line).
inline constexpr double Dash_length = 4;
inline constexpr double Dash_gap = 2;
inline constexpr double Interval_width = 3;
inline constexpr double Cap_half_height = 6;
inline constexpr double Estimate_half_size = 6;
inline constexpr double Arrow_length = 10;
inline constexpr double Box_padding = 2;

}  // namespace Plot_style
