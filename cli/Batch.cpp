#include "Batch.h"

#include <cmath>
#include <exception>
#include <sstream>
#include <string>
#include <vector>

#include "Comparison.h"
#include "Comparison_inputs.h"
#include "Csv_reader.h"
#include "Csv_writer.h"
#include "Number_format.h"
#include "Platform.h"
#include "Stream_platform.h"

namespace {

constexpr std::size_t Input_columns = 4;
constexpr std::size_t Number_columns = 11;

// Twelve significant digits in the shortest of fixed and scientific notation,
// with a full stop whatever the locale.
std::string Csv_number(Extended value)
{
    return Format_general(value, 12);
}

// The output columns of one data row, or the refusal message.
struct Row_result {
    std::vector<std::string> Numbers;
    std::string Error;
};

Row_result Compare_row(const std::vector<std::string>& fields, const std::string& limits)
{
    if (fields.size() < Input_columns || fields.size() > Input_columns + 1)
        return {{}, "expected 4 or 5 fields (sd,n,case_a,case_b[,limits]), found " +
                        std::to_string(fields.size())};

    std::ostringstream message;
    Stream_platform platform(message, ' ', "");
    const auto inputs =
        Read_comparison_inputs(platform, {fields[0], fields[1], fields[2], fields[3]});
    if (!inputs)
        return {{}, message.str()};
    const auto choice = Limits_choice(limits);
    if (!choice)
        return {{}, "limits must be one of " + std::string(Limits_names)};

    Comparison_result r;
    try {
        Compare_two_cases(inputs->N, *choice == 0, r, inputs->Case_a, inputs->Case_b,
                          inputs->Sd, 95);
    } catch (const std::exception& error) {
        return {{}, Error_report_text(error.what())};
    }
    // The report's raw difference and the SD of the difference between two
    // controls' scores, sqrt(2 SD^2).
    const Extended raw_difference = Extended(inputs->Case_a) - Extended(inputs->Case_b);
    const Extended sd_difference = std::sqrt(Extended(inputs->Sd) * inputs->Sd * 2);
    return {{Csv_number(raw_difference), Csv_number(sd_difference), Csv_number(r.Df),
             Csv_number(r.P_one_tailed), Csv_number(r.P_two_tailed), Csv_number(r.Effect_size),
             Csv_number(r.Effect_lower), Csv_number(r.Effect_upper),
             Csv_number(r.Percent_estimate), Csv_number(r.Percent_lower),
             Csv_number(r.Percent_upper)},
            ""};
}

bool Is_blank_line(const std::vector<std::string>& fields)
{
    return fields.size() == 1 && fields[0].empty();
}

}  // namespace

int Run_batch(std::istream& in, std::ostream& out)
{
    out << Batch_header << '\n';
    Csv_reader reader(in);
    std::vector<std::string> fields;
    if (!reader.Next_record(fields))
        return All_rows_passed;

    bool refused = false;
    while (reader.Next_record(fields)) {
        if (Is_blank_line(fields))
            continue;
        // The limits column is optional; empty means the default.
        const bool has_limits = fields.size() > Input_columns && !fields[Input_columns].empty();
        const std::string limits = has_limits ? fields[Input_columns] : "two-sided";
        const Row_result result = Compare_row(fields, limits);

        // The inputs as given, a missing one empty, then the limits applied.
        std::vector<std::string> row(Input_columns);
        for (std::size_t i = 0; i < Input_columns && i < fields.size(); ++i)
            row[i] = fields[i];
        row.push_back(limits);
        if (result.Error.empty())
            row.insert(row.end(), result.Numbers.begin(), result.Numbers.end());
        else
            row.resize(row.size() + Number_columns);
        row.push_back(result.Error);
        Write_csv_record(out, row);
        refused = refused || !result.Error.empty();
    }
    return refused ? Some_rows_refused : All_rows_passed;
}
