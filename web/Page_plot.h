// The plot of the last comparison for the page: the same picture as the plot
// window's, as an SVG document that carries its sentence for screen readers. The page
// asks for it after it has shown the report, so that "Compute" does not wait
// for the picture; it is drawn from the comparison that "Compute" reported,
// as the plot window draws the one the worksheet tells it of.
#pragma once

#include <optional>
#include <string>

#include "Page_compute.h"
#include "Plot_subject.h"

struct Page_plot {
    std::string Svg;          // the picture (UTF-8), one unit a CSS pixel; empty for none
    std::string Error;        // the error report when there is no picture to draw
};

// The picture of the comparison laid out at width x height units, as the
// plot window lays it out at its size (no smaller than the layout's minimum).
Page_plot Plot_of(const Plot_subject& comparison, double width, double height);

// The page's worksheet from one request to the next: "Compute", and the
// comparison it reported last, kept for the plot. A refusal or a failed
// comparison keeps the one before.
class Page_worksheet {
public:
    Compute_outcome Compute(const Compute_input& input);
    // The picture of the last comparison reported; none before the first.
    Page_plot Plot(double width, double height) const;

private:
    std::optional<Plot_subject> last_comparison_;
};
