#include "Page_table.h"

#include <sstream>
#include <string_view>
#include <utility>

#include "Batch.h"
#include "Csv_reader.h"
#include "Json_text.h"
#include "Output_delimiter.h"
#include "Text_sink.h"

namespace {

// A count with thousands separated by commas, as the page's sentences read.
std::string Count_text(std::size_t count)
{
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

std::string Rows_text(std::size_t count)
{
    return Count_text(count) + (count == 1 ? " row" : " rows");
}

// The header and the first rows of the output, read back, as JSON for the
// page.
std::string Shown_rows_json(const std::string& csv, char delimiter)
{
    std::istringstream in(csv);
    Csv_reader reader(in, delimiter);
    Csv_record record;
    Text_sink json;
    json.Append('[');
    for (std::size_t records = 0; records <= Shown_table_rows && reader.Next_record(record); ++records) {
        json.Append(records > 0 ? ",[" : "[");
        for (std::size_t i = 0; i < record.Kept_count(); ++i) {
            if (i > 0)
                json.Append(',');
            Write_json_string(json, record.Field(i));
        }
        json.Append(']');
    }
    json.Append(']');
    return json.Take();
}

// How many rows were computed and refused, and how many are shown.
std::string Summary_of(const Batch_outcome& run)
{
    const std::size_t rows = run.Counts.Rows;
    std::string summary = Rows_text(rows) + " computed";
    if (run.Status == Exit_status::Some_rows_refused)
        summary += "; " + Count_text(run.Counts.Refused) + " could not be (the error column says why)";
    summary += ".";
    if (rows > Shown_table_rows)
        summary += " The first " + Rows_text(Shown_table_rows) + " are shown; \"Download results\" saves all of them.";
    return summary;
}

}  // namespace

std::string Table_size_refusal(const std::string& file_name, double bytes)
{
    if (bytes > Largest_table_bytes)
        return file_name + ": the file is larger than 50 MB, more than the page reads. "
               "Split the table, or run voran-report --csv on it.";
    return "";
}

std::string Table_unreadable(const std::string& file_name)
{
    return file_name + ": the file cannot be read (it may have been moved or changed since it was chosen).";
}

Output_delimiter_choices The_output_delimiter_choices()
{
    Output_delimiter_choices choices{std::string(Output_delimiter_caption), {}};
    for (const Output_delimiter_name& name : Output_delimiter_table)
        choices.Items.push_back({std::string(name.Word), std::string(name.Caption)});
    return choices;
}

Table_outcome Run_table(const std::string& file_name, const std::string& bytes, char separator,
                        const std::string& output_delimiter)
{
    Table_outcome outcome;
    if (bytes.empty()) {
        outcome.Message = file_name + ": the file is empty. A table of comparisons begins with a "
                          "row naming its columns: sd, n, case_a, case_b and, if wanted, limits.";
        return outcome;
    }
    if (bytes.find('\0') != std::string::npos) {
        outcome.Message = file_name + ": the file is not a text table (it holds NUL bytes, as "
                          "pictures, spreadsheet files and UTF-16 text do). Save the table as CSV.";
        return outcome;
    }
    std::istringstream in(bytes);
    std::ostringstream out;
    Batch_options options;
    options.Decimal_separator = separator;
    options.Output_delimiter_kind =
        output_delimiter.empty()
            ? Output_delimiter_like(Delimiter_of_first_line(std::string_view(bytes).substr(0, Delimiter_sample_bytes)))
            : Output_delimiter_from_word(output_delimiter).value_or(Output_delimiter::Comma);
    Batch_outcome run;
    try {
        run = Run_batch(in, out, options);
    } catch (const ETable_error& error) {
        outcome.Message = file_name + ", " + error.what();
        return outcome;
    }
    outcome.Csv = out.str();
    const Output_delimiter_name& delimiter = Names_of(options.Output_delimiter_kind);
    outcome.Delimiter = delimiter.Word;
    outcome.Rows_json = Shown_rows_json(outcome.Csv, delimiter.Delimiter);
    outcome.Summary = Summary_of(run);
    return outcome;
}
