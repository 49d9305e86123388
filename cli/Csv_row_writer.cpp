#include "Csv_row_writer.h"

#include "Csv_writer.h"
#include "Number_format.h"
#include "Table_number.h"

Csv_row_writer::Csv_row_writer(Output_delimiter delimiter, bool summary_columns)
    : Row_writer(summary_columns),
      Delimiter_(Names_of(delimiter).Delimiter),
      Decimal_point_(Names_of(delimiter).Decimal_point),
      For_spreadsheet_(delimiter != Output_delimiter::Comma)
{
}

void Csv_row_writer::Write_echoed(std::string_view text, Text_sink& out) const
{
    if (For_spreadsheet_ && Spreadsheet_reads_as_formula(text))
        Write_csv_field(out, "'" + std::string(text), Delimiter_);
    else
        Write_csv_field(out, text, Delimiter_);
    out.Append(Delimiter_);
}

void Csv_row_writer::Begin(const std::vector<std::string>& echoed_columns, Text_sink& out)
{
    for (const std::string& name : echoed_columns)
        Write_echoed(name, out);
    for (const Result_column& column : Result_columns) {
        out.Append(column.Name);
        out.Append(Delimiter_);
    }
    if (summary_columns_)
        for (const std::string_view name : Summary_columns) {
            out.Append(name);
            out.Append(',');
        }
    out.Append(Error_column);
    out.Append('\n');
}

void Csv_row_writer::Write(const Batch_row& row, Text_sink& out) const
{
    for (const std::string_view field : row.Fields)
        Write_echoed(field, out);
    for (const Result_column& column : Result_columns) {
        char* end = out.Room(General_number_room + 1);
        if (const auto value = Column_value(column, row)) {
            char* const number = end;
            end = Write_table_number(end, *value);
            Put_decimal_separator({number, end}, Decimal_point_);
        }
        *end++ = Delimiter_;
        out.Keep(end);
    }
    if (summary_columns_)
        for (const std::string_view text : Summary_column_texts(row)) {
            Write_csv_field(out, text, Delimiter_);
            out.Append(Delimiter_);
        }
    Write_csv_field(out, row.Error, Delimiter_);
    out.Append('\n');
}
