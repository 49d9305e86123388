#include "Batch.h"

#include <algorithm>
#include <exception>
#include <variant>

#include "Csv_reader.h"
#include "Error_report.h"

namespace {

constexpr std::size_t Number_inputs = 4;
constexpr std::string_view Default_limits = "two-sided";

bool Is_blank_line(const std::vector<std::string>& fields)
{
    return fields.size() == 1 && fields[0].empty();
}

// The refusal's message on one line: each CR a blank.
std::string One_line(std::string message)
{
    std::ranges::replace(message, '\r', ' ');
    return message;
}

}  // namespace

Batch_row Evaluate_row(const std::vector<std::string>& fields, char decimal_separator)
{
    Batch_row row;
    std::string* texts[] = {&row.Texts.SD, &row.Texts.N, &row.Texts.Case_A, &row.Texts.Case_B};
    for (std::size_t i = 0; i < Number_inputs && i < fields.size(); ++i)
        *texts[i] = fields[i];
    // The limits column is optional; empty means the default.
    const bool has_limits = fields.size() > Number_inputs && !fields[Number_inputs].empty();
    row.Limits_text = has_limits ? fields[Number_inputs] : std::string(Default_limits);

    if (fields.size() < Number_inputs || fields.size() > Number_inputs + 1) {
        row.Error = "expected 4 or 5 fields (sd,n,case_a,case_b[,limits]), found " +
                    std::to_string(fields.size());
        return row;
    }
    // The inputs are checked before the limits, whichever is wrong first.
    const auto limits = Limits_from_word(row.Limits_text);
    const Request_or_refusal read =
        Read_comparison_request(row.Texts, limits.value_or(Limits::Two_sided), 95, decimal_separator);
    if (const auto* refusal = std::get_if<Input_refusal>(&read)) {
        row.Error = One_line(refusal->Message);
        return row;
    }
    if (!limits) {
        row.Error = "limits must be one of " + std::string(Limits_words);
        return row;
    }
    try {
        row.Result = Compare_two_cases(std::get<Comparison_request>(read));
    } catch (const std::exception& error) {
        row.Error = One_line(Error_report_text(error.what()));
    }
    return row;
}

Exit_status Run_batch(std::istream& in, Row_writer& writer, char decimal_separator)
{
    writer.Begin();
    Csv_reader reader(in);
    std::vector<std::string> fields;
    if (!reader.Next_record(fields))
        return Done;

    bool refused = false;
    while (reader.Next_record(fields)) {
        if (Is_blank_line(fields))
            continue;
        const Batch_row row = Evaluate_row(fields, decimal_separator);
        writer.Write(row);
        refused = refused || !row.Result;
    }
    return refused ? Some_rows_refused : Done;
}
