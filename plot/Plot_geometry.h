// The picture of one comparison, laid out in plot units without any drawing
// toolkit, so that the tests check it numerically and thin renderers (screen,
// printer, PNG, SVG) only draw what is here.
//
// Plot units: the picture is Width x Height units, x to the right and y
// downwards; one unit is a pixel of a 96 dpi screen at scale 1, and a font
// size is the font's pixel height.
//
// What is drawn:
// - the density of the difference between the scores of two controls drawn
//   at random, on the raw score scale (Difference_density), over a range
//   symmetric about 0 that holds the body of the distribution, the cases'
//   difference d and the credible limits;
// - a vertical marker at d, and the area under the curve beyond d in the
//   direction of d shaded (up to the end of the axis);
// - the raw axis with round ticks, the density axis, and under the raw axis
//   a second axis in Z-PCC units (the same positions divided by the SD of
//   the difference) with the point estimate and its credible interval, or
//   one-sided limit, as an interval bar;
// - labels with the printed numbers and a caption of the title and inputs.
#pragma once

#include <string>
#include <vector>

#include "Plot_subject.h"

struct Plot_point {
    double X = 0;
    double Y = 0;
};

struct Plot_segment {
    Plot_point From;
    Plot_point To;
};

enum class Text_anchor { Start, Middle, End };

struct Plot_label {
    std::string Text;
    Plot_point Position;  // the baseline's start, middle or end, as anchored
    Text_anchor Anchor = Text_anchor::Start;
    double Size = 12;     // the font's pixel height in plot units
    bool Bold = false;
    bool Boxed = false;   // drawn on a white box, over whatever lies behind
};

// The linear map from a value to a position along one direction. Values
// are taken in units of Unit, a power of ten near their magnitude, so that
// the map holds for any value the comparison yields (an SD of 1e-320 or a
// difference of 1e308 and densities of their reciprocals) without leaving
// the range of a double.
struct Plot_scale {
    double Origin = 0;           // position of the value 0
    double Units_per_value = 1;  // plot units per Unit of value; negative for y, which grows downwards
    Extended Unit = 1;

    double Position(Extended value) const { return Origin + static_cast<double>(value / Unit) * Units_per_value; }
    Extended Value(double position) const { return (position - Origin) / Units_per_value * Unit; }
};

struct Plot_axis {
    Plot_segment Line;
    std::vector<Extended> Values;         // the round tick values, in the axis's units
    std::vector<Plot_segment> Tick_marks; // one per value
    // The labels of every value, or of every second or fourth (0 among
    // them) where the labels of all would run into each other.
    std::vector<Plot_label> Tick_labels;
    std::vector<Plot_label> Title;        // one label per line
};

// The Z-PCC estimate with its credible interval on the effect axis; a
// one-sided limit leaves the other end open, running on to the axis's end.
struct Plot_interval {
    double Y = 0;
    double Estimate_x = 0;
    double Lower_x = 0;
    double Upper_x = 0;
    bool Lower_open = false;
    bool Upper_open = false;
};

struct Plot_picture {
    double Width = 0;
    double Height = 0;
    Plot_point Area_top_left;      // the frame that the curve is drawn in
    Plot_point Area_bottom_right;
    Plot_scale Raw_x;              // raw score difference -> x
    Plot_scale Density_y;          // density per raw score unit -> y

    std::vector<Plot_point> Curve;
    // A closed polygon: the baseline at d, the curve from d to the end of the
    // axis on d's side, the baseline there.
    std::vector<Plot_point> Shaded;
    Plot_segment Marker;           // the vertical at d
    Plot_axis Raw_axis;
    Plot_axis Density_axis;
    Plot_axis Effect_axis;
    Plot_interval Effect_interval;
    std::vector<Plot_label> Labels;  // caption lines, the marker's and the shaded area's labels
    std::string Description;         // the same numbers in one sentence
};

// The picture of one comparison at width x height plot units. Every text is
// at least 8 points (at 96 dpi) and no label lies over another, the marker
// or the interval bar: long captions and axis titles wrap, tick labels thin
// out, and the shaded area's labels move beside the marker, then shrink to
// that size, then lose their second line, as the room requires. The layout
// needs Plot_minimum_width x Plot_minimum_height units; smaller sizes are
// laid out at that size. Raises std::invalid_argument for a result with a
// number that is not finite, or a non-positive SD of the difference or
// degrees of freedom.
Plot_picture Lay_out_plot(const Plot_subject& subject, double width, double height);

// The smallest size the layout is made for.
inline constexpr double Plot_minimum_width = 480;
inline constexpr double Plot_minimum_height = 360;

// The smallest text of the picture: 8 points at 96 dpi, in plot units.
inline constexpr double Plot_smallest_text = 96.0 / 72 * 8;
