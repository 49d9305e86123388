#include "Single_report.h"

#include <algorithm>
#include <exception>
#include <variant>

#include "Decimal_comma.h"
#include "Error_report.h"
#include "Plot_writer.h"
#include "Report_for.h"
#include "Summary.h"

Exit_status Run_single_report(const Single_request& request, char decimal_separator,
                              std::ostream& out, std::ostream& err)
{
    Comparison_texts texts = request.Texts;
    Read_commas_as_points(texts);
    const Request_or_refusal read =
        Read_comparison_request(texts, request.Limits_kind, request.Level, decimal_separator);
    if (const auto* refusal = std::get_if<Input_refusal>(&read)) {
        std::string message = refusal->Message;
        std::replace(message.begin(), message.end(), '\r', '\n');
        err << message << '\n';
        return Exit_status::Input_refused;
    }

    const auto& comparison = std::get<Comparison_request>(read);
    Report_request report;
    try {
        report = Report_for(comparison, Captioned_inputs(request.Texts), Notes_lines(request.Notes),
                            decimal_separator);
    } catch (const std::exception& error) {
        err << "voran-report: " << Error_report_text(error.what()) << '\n';
        return Exit_status::Comparison_failed;
    }
    if (request.Summary) {
        const Summary summary = Compose_summary(comparison, report.Result, *request.Summary);
        out << summary.Sentences << '\n' << summary.Statistics << '\n';
    } else {
        for (const std::string& line : Compose_report(report))
            out << line << '\n';
    }
    if (request.Plot_path.empty())
        return Exit_status::Done;
    // The report is out before the picture is drawn: a picture that fails
    // costs only itself.
    out.flush();
    try {
        Write_plot(request.Plot_path, comparison, report.Result, decimal_separator);
    } catch (const std::exception& error) {
        err << "voran-report: the picture was not written: " << error.what() << '\n';
        return Exit_status::Output_failed;
    }
    return Exit_status::Done;
}
