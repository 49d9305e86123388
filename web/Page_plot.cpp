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
