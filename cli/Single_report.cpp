#include "Single_report.h"

#include <exception>
#include <string_view>
#include <variant>

#include "Decimal_comma.h"
#include "Error_report.h"
#include "One_line.h"
#include "Plot_writer.h"
#include "Report_for.h"
#include "Summary.h"

Exit_status Run_single_report(const Single_request& request, char decimal_separator,
                              std::ostream& out, std::ostream& err)
{
    Comparison_texts texts = request.Texts;
    Read_commas_as_points(texts);
    const Request_or_refusal read =
        Read_comparison_request(texts, request.Limits_kind, request.Level, decimal_separator, Inner_blanks::Refused);
    if (const auto* refusal = std::get_if<Input_refusal>(&read)) {
        // The message's lines end in a lone CR; the field's text inside it
        // is the user's.
        std::string_view message = refusal->Message;
        for (std::size_t end = message.find('\r'); end != std::string_view::npos; end = message.find('\r')) {
            err << One_line(message.substr(0, end)) << '\n';
            message.remove_prefix(end + 1);
        }
        err << One_line(message) << '\n';
        return Exit_status::Input_refused;
    }

    const auto& comparison = std::get<Comparison_request>(read);
    Report_request report;
    try {
        report = Report_for(comparison, Captioned_inputs(request.Texts), Notes_lines(request.Notes),
                            decimal_separator);
    } catch (const std::exception& error) {
        err << One_line("voran-report: " + Error_report_text(error.what())) << '\n';
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
        err << One_line("voran-report: the picture was not written: " + std::string(error.what())) << '\n';
        return Exit_status::Output_failed;
    }
    return Exit_status::Done;
}
