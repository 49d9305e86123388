#include "Single_report.h"

#include <algorithm>
#include <exception>
#include <variant>

#include "Error_report.h"
#include "Plot_writer.h"
#include "Report_for.h"

Exit_status Run_single_report(const Single_request& request, char decimal_separator,
                              std::ostream& out, std::ostream& err)
{
    const Request_or_refusal read =
        Read_comparison_request(request.Texts, request.Limits_kind, 95, decimal_separator);
    if (const auto* refusal = std::get_if<Input_refusal>(&read)) {
        std::string message = refusal->Message;
        std::ranges::replace(message, '\r', '\n');
        err << message << '\n';
        return Input_refused;
    }

    const auto& comparison = std::get<Comparison_request>(read);
    Report_request report;
    try {
        report = Report_for(comparison, Captioned_inputs(request.Texts), request.Notes, decimal_separator);
    } catch (const std::exception& error) {
        err << "voran-report: " << Error_report_text(error.what()) << '\n';
        return Comparison_failed;
    }
    if (!request.Plot_path.empty()) {
        try {
            Write_plot(request.Plot_path, comparison, report.Result, decimal_separator);
        } catch (const std::exception& error) {
            err << "voran-report: " << error.what() << '\n';
            return Output_failed;
        }
    }
    const std::vector<std::string> lines = Compose_report(report);
    for (const std::string& line : lines)
        out << line << '\n';
    return Done;
}
