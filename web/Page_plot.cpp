#include "Page_plot.h"

#include <exception>

#include "Error_report.h"
#include "Plot_svg.h"

Page_plot Plot_of(const Plot_subject& comparison, double width, double height)
{
    Page_plot plot;
    try {
        plot.Svg = Plot_svg(comparison, width, height);
    } catch (const std::exception& error) {
        plot.Error = Error_report_text(error.what());
    }
    return plot;
}

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
