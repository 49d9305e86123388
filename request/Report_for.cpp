#include "Report_for.h"

#include <utility>

#include "Program_strings.h"

std::vector<Report_input> Captioned_inputs(const Comparison_texts& texts)
{
    const std::string* in_order[] = {&texts.SD, &texts.N, &texts.Case_A, &texts.Case_B};
    std::vector<Report_input> inputs;
    for (std::size_t slot = 0; slot < Input_captions.size(); ++slot)
        inputs.push_back({std::string(Input_captions[slot]), *in_order[slot]});
    return inputs;
}

std::vector<std::string> Notes_lines(const std::vector<std::string>& notes)
{
    std::vector<std::string> lines;
    for (const std::string& note : notes) {
        std::size_t begin = 0;
        for (;;) {
            const std::size_t end = note.find_first_of("\r\n", begin);
            lines.push_back(note.substr(begin, end - begin));
            if (end == std::string::npos)
                break;
            begin = end + (note.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
    }
    return lines;
}

Report_request Report_for(const Comparison_request& comparison, std::vector<Report_input> inputs,
                          std::vector<std::string> notes, char decimal_separator)
{
    Report_request request;
    request.Result = Compare_two_cases(comparison);
    request.Limits_kind = comparison.Limits_kind;
    request.Level = comparison.Level;
    request.Program_title = std::string(Program_title);
    request.Notes_caption = std::string(Notes_caption);
    request.Notes_lines = std::move(notes);
    request.Inputs = std::move(inputs);
    request.Decimal_separator = decimal_separator;
    return request;
}
