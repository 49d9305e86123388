// The page's worksheet from one request to the next: "Compute", and the
// comparison it reported last, which the plot draws and the "Result" region
// sums up, as the desktop's plot and summary windows hear of the comparison
// the worksheet reported. A refusal or a failed comparison keeps the one
// before.
#pragma once

#include <optional>
#include <string>

#include "Page_compute.h"
#include "Page_plot.h"
#include "Page_summary.h"
#include "Plot_subject.h"

class Page_worksheet {
public:
    Compute_outcome Compute(const Compute_input& input);
    // The picture of the last comparison reported; none before the first.
    Page_plot Plot(double width, double height) const;
    // Its key figures and summary in the language of the code given; none
    // before the first.
    Page_summary Summary(const std::string& language_code) const;

private:
    std::optional<Plot_subject> last_comparison_;
};
