#include "Page_compute.h"

#include <array>
#include <exception>
#include <variant>

#include "Comparison_request_step.h"
#include "Error_report.h"
#include "Kept_control_data.h"
#include "Limits.h"
#include "Page_message.h"
#include "Report.h"
#include "Report_for.h"

namespace {

// The results text's continuation: text typed after the last line break is
// a line of its own, so the report starts below it.
std::string Appended_lines(const std::string& results, const std::vector<std::string>& lines)
{
    std::string addition;
    if (!results.empty() && results.back() != '\n')
        addition += '\n';
    for (const std::string& line : lines)
        addition += line + '\n';
    return addition;
}

}  // namespace

std::vector<std::string> Notes_field_lines(const std::string& notes)
{
    if (notes.empty())
        return {};
    std::vector<std::string> lines = Notes_lines({notes});
    if (lines.size() > 1 && lines.back().empty())
        lines.pop_back();
    return lines;
}

Compute_outcome Compute(const Compute_input& input)
{
    Compute_outcome outcome;
    const Request_or_refusal read =
        Read_comparison_request(input.Texts, Limits_of_item(input.Limits_item), 95, input.Decimal_separator);
    if (const auto* refusal = std::get_if<Input_refusal>(&read)) {
        outcome.Refused_field = static_cast<int>(refusal->Field);
        outcome.Warning = Shown_text(refusal->Message);
        return outcome;
    }
    // The control data are kept before the comparison runs, as the desktop
    // saves them, so a comparison that fails at extreme inputs keeps them too.
    const Comparison_texts& texts = input.Texts;
    outcome.Control_data = Kept_text(texts.SD, texts.N);

    const auto& comparison = std::get<Comparison_request>(read);
    try {
        Report_request report = Report_for(comparison, Captioned_inputs(texts),
                                           Notes_field_lines(input.Notes), input.Decimal_separator);
        report.Results_hold_a_line = !input.Results.empty();
        outcome.Addition = Appended_lines(input.Results, Compose_report(report));
    } catch (const std::exception& error) {
        outcome.Error = Error_report_text(error.what());
    }
    return outcome;
}
