#include "Output_format.h"

#include "Csv_row_writer.h"
#include "Jsonl_row_writer.h"
#include "Table_entry.h"

std::optional<Output_format> Output_format_from_word(std::string_view word)
{
    return Field_of_entry_with(Output_format_table, &Output_format_name::Word, word, &Output_format_name::Value);
}

std::unique_ptr<Row_writer> Make_row_writer(Output_format format, Output_delimiter delimiter, bool summary_columns)
{
    switch (format) {
    case Output_format::Csv:
        return std::make_unique<Csv_row_writer>(delimiter, summary_columns);
    case Output_format::Jsonl:
        return std::make_unique<Jsonl_row_writer>(summary_columns);
    }
    throw std::invalid_argument("output format " + std::to_string(static_cast<int>(format)) +
                                " is unknown");
}
