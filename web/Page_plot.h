// The plot of a comparison for the page: the same picture as the plot
// window's, as an SVG document that carries its sentence for screen readers.
// The page asks for it after it has shown the report, so that "Compute" does
// not wait for the picture.
#pragma once

#include <string>

#include "Plot_subject.h"

struct Page_plot {
    std::string Svg;          // the picture (UTF-8), one unit a CSS pixel; empty for none
    std::string Error;        // the error report when there is no picture to draw
};

// The picture of the comparison laid out at width x height units, as the
// plot window lays it out at its size (no smaller than the layout's minimum).
Page_plot Plot_of(const Plot_subject& comparison, double width, double height);
