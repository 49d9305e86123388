#include "Csv_writer.h"

void Write_csv_field(Text_sink& out, std::string_view text, char delimiter)
{
    // A field that begins like a byte-order mark is quoted, so that a reader
    // does not skip those bytes at the start of a file.
    // The common field, copied as it is scanned; the scan stops at the
    // first byte that needs quotes, and the copy is then not kept.
    if (!text.starts_with("\xEF\xBB\xBF")) {
        char* end = out.Room(text.size());
        for (const char c : text) {
            if (c == delimiter || c == '"' || c == '\r' || c == '\n') {
                end = nullptr;
                break;
            }
            *end++ = c;
        }
        if (end) {
            out.Keep(end);
            return;
        }
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

bool Spreadsheet_reads_as_formula(std::string_view text)
{
    const auto digit = [&text](std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
    if (text.empty())
        return false;
    switch (text.front()) {
    case '=':
    case '+':
    case '@':
        return true;
    case '-':
        return !(digit(1) || ((text.size() > 1 && (text[1] == '.' || text[1] == ',')) && digit(2)));
    default:
        return false;
    }
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
