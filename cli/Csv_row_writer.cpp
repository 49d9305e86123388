#include "Csv_row_writer.h"

#include "Csv_writer.h"
#include "Table_number.h"

Csv_row_writer::Csv_row_writer(std::ostream& out) : out_(out) {}

void Csv_row_writer::Begin(const std::vector<std::string>& echoed_columns)
{
    for (const std::string& name : echoed_columns) {
        Write_csv_field(out_, name);
        out_ << ',';
    }
    for (const Result_column& column : Result_columns)
        out_ << column.Name << ',';
    out_ << Error_column << '\n';
}

void Csv_row_writer::Write(const Batch_row& row)
{
    for (const std::string_view field : row.Fields) {
        Write_csv_field(out_, field);
        out_ << ',';
    }
    for (const Result_column& column : Result_columns) {
        if (row.Result)
            out_ << Table_number((*row.Result).*column.Value);
        out_ << ',';
    }
    Write_csv_field(out_, row.Error);
    out_ << '\n';
}
