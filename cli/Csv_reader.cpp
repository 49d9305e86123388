#include "Csv_reader.h"

namespace {

using traits = std::streambuf::traits_type;

}  // namespace

Csv_reader::Csv_reader(std::istream& in) : Input(*in.rdbuf()) {}

bool Csv_reader::Next_record(std::vector<std::string>& fields)
{
    if (Input.sgetc() == traits::eof())
        return false;
    fields.clear();
    std::string field;
    bool at_field_start = true;
    bool in_quotes = false;
    bool after_closing_quote = false;
    const long first_line = Line;

    for (;;) {
        const int c = Input.sbumpc();
        if (in_quotes) {
            if (c == traits::eof())
                throw Csv_error("line " + std::to_string(first_line) +
                                ": a quoted field is not closed");
            if (c == '"' && Input.sgetc() == '"') {
                Input.sbumpc();
                field += '"';
            } else if (c == '"') {
                in_quotes = false;
                after_closing_quote = true;
            } else {
                if (c == '\n')
                    ++Line;
                field += traits::to_char_type(c);
            }
            continue;
        }
        if (c == traits::eof() || c == '\n' || c == '\r') {
            if (c == '\r' && Input.sgetc() == '\n')
                Input.sbumpc();
            if (c != traits::eof())
                ++Line;
            fields.push_back(std::move(field));
            return true;
        }
        if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            at_field_start = true;
            after_closing_quote = false;
            continue;
        }
        if (after_closing_quote)
            throw Csv_error("line " + std::to_string(Line) +
                            ": text after the closing quote of a field");
        if (c == '"' && at_field_start)
            in_quotes = true;
        else
            field += traits::to_char_type(c);
        at_field_start = false;
    }
}
