#include "Page_plot.h"

#include <exception>
#include <variant>

#include "Error_report.h"
#include "Limits.h"
#include "Plot_svg.h"
#include "Plot_texts.h"
#include "Program_strings.h"

Page_plot Plot_for(const Compute_input& input, double width, double height)
{
    Page_plot plot;
    const Request_or_refusal read = Read_comparison_request(
        input.Texts, Limits_of_item(input.Limits_item), 95, input.Decimal_separator);
    const auto* request = std::get_if<Comparison_request>(&read);
    if (request == nullptr)
        return plot;
    try {
        const Plot_subject subject{std::string(Program_title), *request, Compare_two_cases(*request),
                                   input.Decimal_separator};
        plot.Svg = Plot_svg(subject, width, height);
        plot.Description = Texts_for(subject).Description;
    } catch (const std::exception& error) {
        plot.Error = Error_report_text(error.what());
    }
    return plot;
}
