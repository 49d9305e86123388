#include "Jsonl_row_writer.h"

#include <sstream>

#include "Json_text.h"

Jsonl_row_writer::Jsonl_row_writer(std::ostream& out) : out_(out) {}

void Jsonl_row_writer::Begin(const std::vector<std::string>& echoed_columns)
{
    keys_.clear();
    for (const std::string& name : echoed_columns) {
        std::ostringstream key;
        Write_json_string(key, name);
        keys_.push_back(key.str() + ':');
    }
}

void Jsonl_row_writer::Write(const Batch_row& row)
{
    out_ << '{';
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        out_ << keys_[i];
        Write_json_string(out_, i < row.Fields.size() ? row.Fields[i] : std::string_view());
        out_ << ',';
    }
    for (const Result_column& column : Result_columns) {
        out_ << '"' << column.Name << "\":";
        out_ << (row.Result ? Json_number((*row.Result).*column.Value) : "null") << ',';
    }
    out_ << '"' << Error_column << "\":";
    if (row.Error.empty())
        out_ << "null";
    else
        Write_json_string(out_, row.Error);
    out_ << "}\n";
}
