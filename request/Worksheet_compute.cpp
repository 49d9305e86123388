#include "Worksheet_compute.h"

#include "Report.h"
#include "Report_for.h"

Worksheet_outcome Compute_on_worksheet(const Worksheet_entries& entries,
                                       const std::function<void()>& keep_control_data)
{
    const Request_or_refusal read =
        Read_comparison_request(entries.Texts, entries.Limits_kind, Default_level, entries.Decimal_separator);
    if (const auto* refusal = std::get_if<Input_refusal>(&read))
        return *refusal;
    keep_control_data();
    const auto& request = std::get<Comparison_request>(read);
    Report_request report =
        Report_for(request, Captioned_inputs(entries.Texts), entries.Notes_lines, entries.Decimal_separator);
    report.Results_hold_a_line = entries.Results_hold_a_line;
    return Worksheet_report{request, report.Result, Compose_report(report)};
}
