// The plot of the last comparison for the page: the same picture as the
// plot window's, as an SVG document, and its sentence for screen readers.
// The page asks for it after it has shown the report, so that "Compute"
// does not wait for the picture: the inputs are read and compared again,
// which gives the same numbers.
#pragma once

#include <string>

#include "Page_compute.h"

struct Page_plot {
    std::string Svg;          // the picture (UTF-8), one unit a CSS pixel; empty for none
    std::string Description;  // the same numbers in one sentence
    std::string Error;        // the error report when there is no picture to draw
};

// The picture of the comparison that Compute reports for the same input,
// laid out at width x height units, as the plot window lays it out at its
// size (no smaller than the layout's minimum). Inputs that Compute refuses
// give no picture and no error.
Page_plot Plot_for(const Compute_input& input, double width, double height);
