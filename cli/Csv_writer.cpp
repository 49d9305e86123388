#include "Csv_writer.h"

#include <algorithm>

void Write_csv_field(Text_sink& out, std::string_view text)
{
    // A field that begins like a byte-order mark is quoted, so that a reader
    // does not skip those bytes at the start of a file.
    const auto needs_quotes = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(text.begin(), text.end(), needs_quotes) && !text.starts_with("\xEF\xBB\xBF")) {
        out.Append(text);
        return;
    }
    out.Append('"');
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        out.Append(text.substr(0, quote + 1));
        out.Append('"');
        text.remove_prefix(quote + 1);
    }
    out.Append(text);
    out.Append('"');
}

void Write_csv_record(std::ostream& out, const std::vector<std::string>& fields)
{
    Text_sink sink(&out);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            sink.Append(',');
        Write_csv_field(sink, fields[i]);
    }
    sink.Append('\n');
    sink.Flush();
}
