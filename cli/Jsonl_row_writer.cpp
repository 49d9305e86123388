#include "Jsonl_row_writer.h"

#include <set>

#include "Json_text.h"

void Jsonl_row_writer::Begin(const std::vector<std::string>& echoed_columns, Text_sink&)
{
    keys_.clear();
    std::set<std::string> taken;
    for (const std::string& name : echoed_columns) {
        std::string unique = name;
        for (int copy = 2; !taken.insert(unique).second; ++copy)
            unique = name + "_" + std::to_string(copy);
        Text_sink key;
        Write_json_string(key, unique);
        key.Append(':');
        keys_.push_back(key.Take());
    }
}

void Jsonl_row_writer::Write(const Batch_row& row, Text_sink& out) const
{
    out.Append('{');
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        out.Append(keys_[i]);
        Write_json_string(out, i < row.Fields.size() ? row.Fields[i] : std::string_view());
        out.Append(',');
    }
    for (const Result_column& column : Result_columns) {
        out.Append('"');
        out.Append(column.Name);
        out.Append("\":");
        if (const auto value = Column_value(column, row))
            out.Append(Json_number(*value));
        else
            out.Append("null");
        out.Append(',');
    }
    if (summary_columns_) {
        const auto texts = Summary_column_texts(row);
        for (std::size_t i = 0; i < Summary_columns.size(); ++i) {
            out.Append('"');
            out.Append(Summary_columns[i]);
            out.Append("\":");
            if (row.Summary_texts)
                Write_json_string(out, texts[i]);
            else
                out.Append("null");
            out.Append(',');
        }
    }
    out.Append('"');
    out.Append(Error_column);
    out.Append("\":");
    if (row.Error.empty())
        out.Append("null");
    else
        Write_json_string(out, row.Error);
    out.Append("}\n");
}
