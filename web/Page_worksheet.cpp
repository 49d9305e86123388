#include "Page_worksheet.h"

Compute_outcome Page_worksheet::Compute(const Compute_input& input)
{
    Compute_outcome outcome = ::Compute(input);
    if (outcome.Comparison)
        last_comparison_ = outcome.Comparison;
    return outcome;
}

Page_plot Page_worksheet::Plot(double width, double height) const
{
    return last_comparison_ ? Plot_of(*last_comparison_, width, height) : Page_plot{};
}

Page_summary Page_worksheet::Summary(const std::string& language_code) const
{
    return last_comparison_ ? Summary_of(*last_comparison_, language_code) : Page_summary{};
}
