#include "Single_report.h"

#include <algorithm>
#include <exception>
#include <variant>

#include "Error_report.h"
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

    std::vector<std::string> lines;
    try {
        lines = Compose_report(Report_for(std::get<Comparison_request>(read),
                                          Captioned_inputs(request.Texts), request.Notes,
                                          decimal_separator));
    } catch (const std::exception& error) {
        err << "voran-report: " << Error_report_text(error.what()) << '\n';
        return Comparison_failed;
    }
    for (const std::string& line : lines)
        out << line << '\n';
    return Done;
}
