// The plot of the last comparison for the page: the same picture as the
// plot window's, as an SVG document, and its sentence for screen readers.
#pragma once

#include <string>

#include "Comparison.h"

struct Page_plot {
    std::string Svg;          // the picture (UTF-8), one unit a CSS pixel
    std::string Description;  // the same numbers in one sentence
};

// Laid out at width x height units, as the plot window lays it out at its
// size (no smaller than the layout's minimum).
Page_plot Plot_for(const Comparison_request& request, const Comparison_result& result, char separator,
                   double width, double height);
