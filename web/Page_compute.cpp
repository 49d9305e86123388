#include "Page_compute.h"

#include <exception>
#include <variant>

#include "Error_report.h"
#include "Kept_control_data.h"
#include "Limits.h"
#include "Page_message.h"
#include "Plot_image_file.h"
#include "Report_for.h"
#include "Worksheet_compute.h"

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
    const Comparison_texts& texts = input.Texts;
    try {
        const Worksheet_outcome step = Compute_on_worksheet(
            {.Texts = texts,
             .Limits_kind = Limits_of_item(input.Limits_item),
             .Notes_lines = Notes_field_lines(input.Notes),
             .Results_hold_a_line = !input.Results.empty(),
             .Decimal_separator = input.Decimal_separator},
            [&] { outcome.Control_data = Kept_text(texts.SD, texts.N); });
        if (const auto* refusal = std::get_if<Input_refusal>(&step)) {
            outcome.Refused_field = static_cast<int>(refusal->Field);
            outcome.Warning = Shown_text(refusal->Message);
            return outcome;
        }
        const auto& report = std::get<Worksheet_report>(step);
        outcome.Addition = Appended_lines(input.Results, report.Lines);
        outcome.Comparison = Program_plot_subject(report.Request, report.Result, input.Decimal_separator);
    } catch (const std::exception& error) {
        outcome.Error = Error_report_text(error.what());
    }
    return outcome;
}
