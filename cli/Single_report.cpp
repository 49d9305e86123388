#include "Single_report.h"

#include <exception>

#include "Comparison.h"
#include "Platform.h"
#include "Program_strings.h"
#include "Report.h"
#include "Stream_platform.h"

int Run_single_report(const Single_request& request, char decimal_separator, std::ostream& out,
                      std::ostream& err)
{
    Stream_platform platform(err, '\n', "\n");
    const auto inputs = Read_comparison_inputs(platform, request.Texts);
    if (!inputs)
        return Input_refused;

    Report_request report;
    report.Results_hold_a_line = false;
    report.Program_title = Program_title;
    report.Notes_caption = std::string(Notes_caption);
    report.Notes_lines = request.Notes;
    const std::string* texts[] = {&request.Texts.Sd, &request.Texts.N, &request.Texts.Case_a,
                                  &request.Texts.Case_b};
    for (std::size_t i = 0; i < Input_captions.size(); ++i)
        report.Inputs.push_back({std::string(Input_captions[i]), *texts[i]});
    report.Choice = request.Choice;
    report.SD = inputs->Sd;
    report.Case_A = inputs->Case_a;
    report.Case_B = inputs->Case_b;
    report.Decimal_separator = decimal_separator;

    std::vector<std::string> lines;
    try {
        Compare_two_cases(inputs->N, request.Choice == 0, report.Result, inputs->Case_a,
                          inputs->Case_b, inputs->Sd, 95);
        lines = Compose_report(report);
    } catch (const std::exception& error) {
        platform.Show_error("voran-report: " + Error_report_text(error.what()));
        return Comparison_failed;
    }
    for (const std::string& line : lines)
        out << line << '\n';
    return Report_written;
}
