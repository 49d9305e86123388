#include "Csv_row_writer.h"

#include "Csv_writer.h"
#include "Table_number.h"

void Csv_row_writer::Begin(const std::vector<std::string>& echoed_columns, Text_sink& out)
{
    for (const std::string& name : echoed_columns) {
        Write_csv_field(out, name);
        out.Append(',');
    }
    for (const Result_column& column : Result_columns) {
        out.Append(column.Name);
        out.Append(',');
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
    for (const std::string_view field : row.Fields) {
        Write_csv_field(out, field);
        out.Append(',');
    }
    for (const Result_column& column : Result_columns) {
        char* end = out.Room(General_number_room + 1);
        if (const auto value = Column_value(column, row))
            end = Write_table_number(end, *value);
        *end++ = ',';
        out.Keep(end);
    }
    if (summary_columns_)
        for (const std::string_view text : Summary_column_texts(row)) {
            Write_csv_field(out, text);
            out.Append(',');
        }
    Write_csv_field(out, row.Error);
    out.Append('\n');
}
