// The plot of the last comparison for the page: the same picture as the
// plot window's, as an SVG document, and its sentence for screen readers.
#pragma once

#include <string>

#include "Comparison.h"

struct Page_plot {
    std::string Svg;          // the picture (UTF-8), 800 x 500 units, as the plot window first shows it
    std::string Description;  // the same numbers in one sentence
};

Page_plot Plot_for(const Comparison_request& request, const Comparison_result& result, char separator);
