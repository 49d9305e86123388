#include "Csv_row_writer.h"

#include <charconv>
#include <string>
#include <vector>

#include "Csv_writer.h"

namespace {

// Twelve significant digits in the shortest of fixed and scientific notation,
// with a full stop whatever the locale.
std::string Csv_number(Extended value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12);
    return std::string(text, result.ptr);
}

}  // namespace

Csv_row_writer::Csv_row_writer(std::ostream& out) : out_(out) {}

void Csv_row_writer::Begin()
{
    std::vector<std::string> header(Input_columns.begin(), Input_columns.end());
    for (const Result_column& column : Result_columns)
        header.emplace_back(column.Name);
    header.emplace_back(Error_column);
    Write_csv_record(out_, header);
}

void Csv_row_writer::Write(const Batch_row& row)
{
    std::vector<std::string> fields = {row.Texts.SD, row.Texts.N, row.Texts.Case_A,
                                       row.Texts.Case_B, row.Limits_text};
    for (const Result_column& column : Result_columns)
        fields.push_back(row.Result ? Csv_number((*row.Result).*column.Value) : std::string());
    fields.push_back(row.Error);
    Write_csv_record(out_, fields);
}
