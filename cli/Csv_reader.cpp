#include "Csv_reader.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <utility>

Csv_reader::Csv_reader(std::istream& in, char delimiter, Csv_limits limits)
    : Input(*in.rdbuf()), Delimiter(delimiter), Limits(limits)
{
}

namespace {

// The bytes a stream buffer holds beyond its read position, and taking some
// of them. std::streambuf keeps its get area protected, for the classes
// derived from it; a derived class may name those members through member
// pointers and use them on any stream buffer.
struct Buffered_bytes : std::streambuf {
    static std::string_view Ahead(std::streambuf& buffer)
    {
        constexpr auto next = &Buffered_bytes::gptr;
        constexpr auto end = &Buffered_bytes::egptr;
        const char* const from = (buffer.*next)();
        return {from, static_cast<std::size_t>((buffer.*end)() - from)};
    }
    static void Skip(std::streambuf& buffer, std::size_t count)
    {
        constexpr auto bump = &Buffered_bytes::gbump;
        (buffer.*bump)(static_cast<int>(count));
    }
};

}  // namespace

std::string_view Csv_reader::Plain_run(std::size_t most)
{
    if (Pending_at < Pending.size())
        return {};
    std::string_view ahead = Buffered_bytes::Ahead(Input);
    ahead = ahead.substr(0, std::min<std::size_t>(most, std::numeric_limits<int>::max()));
    std::size_t length = 0;
    while (length < ahead.size()) {
        const char c = ahead[length];
        if (c == Delimiter || c == '"' || c == '\n' || c == '\r')
            break;
        ++length;
    }
    return ahead.substr(0, length);
}

void Csv_reader::Take_run(std::size_t length) { Buffered_bytes::Skip(Input, length); }

bool Csv_reader::Read_plain_line(Csv_record& record)
{
    if (Pending_at < Pending.size() || Limits.Record_bytes == 0)
        return false;
    // The record's bytes count its line end; a field may have Field_bytes.
    const std::size_t most = std::min({Limits.Field_bytes, Limits.Record_bytes - 1,
                                       static_cast<std::size_t>(std::numeric_limits<int>::max() - 1)});
    const std::string_view ahead = Buffered_bytes::Ahead(Input).substr(0, most + 1);
    // The line must end within the bytes at hand and hold no quote; its
    // fields, at most Kept_fields, then all fit every limit.
    for (std::size_t length = 0; length < ahead.size(); ++length) {
        const char c = ahead[length];
        if (c == Delimiter) {
            if (record.Ends_.size() + 1 >= Limits.Kept_fields)  // a field after this one is not kept
                break;
            record.Ends_.push_back(length);
        } else if (c == '\n' || c == '\r') {
            if (Limits.Kept_fields == 0)
                break;
            record.Ends_.push_back(length);
            record.Bytes_.assign(ahead.data(), length + 1);
            record.Field_count_ = record.Ends_.size();
            Take_run(length + 1);
            End_line_after(record, c);
            return true;
        } else if (c == '"') {
            break;
        }
    }
    record.Ends_.clear();
    return false;
}

int Csv_reader::Peek()
{
    if (Pending_at < Pending.size())
        return traits::to_int_type(Pending[Pending_at]);
    return Input.sgetc();
}

int Csv_reader::Take()
{
    if (Pending_at < Pending.size())
        return traits::to_int_type(Pending[Pending_at++]);
    return Input.sbumpc();
}

// Puts text back before whatever is still to be read.
void Csv_reader::Push_back(std::string text)
{
    text.append(Pending, Pending_at);
    Pending = std::move(text);
    Pending_at = 0;
}

void Csv_reader::Skip_byte_order_mark()
{
    Started = true;
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    std::string seen;
    // Only bytes that match the mark so far are taken, so that a short
    // first line is never waited on.
    for (const char byte : mark) {
        const int c = Peek();
        if (c == traits::eof() || traits::to_char_type(c) != byte)
            break;
        seen += traits::to_char_type(Take());
    }
    if (seen.size() < mark.size())
        Push_back(std::move(seen));
}

std::string_view Csv_reader::Peek_line(std::size_t max_bytes)
{
    if (!Started)
        Skip_byte_order_mark();
    std::string line;
    while (line.size() < max_bytes) {
        const int c = Take();
        if (c == traits::eof())
            break;
        line += traits::to_char_type(c);
        if (c == '\n' || c == '\r')
            break;
    }
    const std::size_t length = line.size();
    Push_back(std::move(line));
    return std::string_view(Pending).substr(0, length);
}

// After a line end c (CR or LF) has been taken: counts the line; a LF right
// after a CR belongs to it and is skipped when the next record begins, so
// that the stream is not asked for a byte beyond this record.
bool Csv_reader::End_line_after(Csv_record& record, int c)
{
    ++Line;
    Skip_lf = c == '\r';
    record.Line_ended_ = true;
    return true;
}

bool Csv_reader::Input_at_hand() const
{
    const std::size_t pending = Pending.size() - Pending_at;
    const std::streamsize buffered = Input.in_avail();
    const std::size_t held = pending + static_cast<std::size_t>(std::max<std::streamsize>(buffered, 0));
    if (!Skip_lf || held == 0)
        return held > 0;
    const int next = pending > 0 ? traits::to_int_type(Pending[Pending_at]) : Input.sgetc();
    return held > (next == '\n' ? 1 : 0);
}

void Csv_reader::Skip_rest_of_line(Csv_record& record)
{
    for (;;) {
        const int c = Take();
        if (c == traits::eof())
            return;
        if (c == '\n' || c == '\r') {
            End_line_after(record, c);
            return;
        }
    }
}

bool Csv_reader::Next_record(Csv_record& record)
{
    if (!Started)
        Skip_byte_order_mark();
    if (!Pending.empty() && Pending_at == Pending.size()) {
        Pending = std::string();
        Pending_at = 0;
    }
    if (Skip_lf) {
        Skip_lf = false;
        if (Peek() == '\n')
            Take();
    }
    if (Peek() == traits::eof())
        return false;

    record.Bytes_.clear();
    record.Ends_.clear();
    record.Field_count_ = 0;
    record.Line_ended_ = false;
    record.Problem_.clear();
    if (Read_plain_line(record))
        return true;
    const long first_line = Line;
    const auto note = [&record](long line, const std::string& text) {
        if (record.Problem_.empty())
            record.Problem_ = "line " + std::to_string(line) + ": " + text;
    };

    std::size_t record_bytes = 0;  // of the record's text so far
    std::size_t field_start = 0;   // where the current field begins in Bytes_
    std::size_t field_bytes = 0;   // of the current field's text, kept or not
    const auto count_byte = [&] {
        if (++record_bytes == Limits.Record_bytes + 1)
            note(first_line, "the row is longer than " + std::to_string(Limits.Record_bytes) +
                                 " bytes; its fields are cut short");
    };
    bool in_quotes = false;
    const auto keep = [&](char c) {
        if (++field_bytes > Limits.Field_bytes) {
            if (field_bytes == Limits.Field_bytes + 1)
                note(first_line, "field " + std::to_string(record.Field_count_ + 1) +
                                     " is longer than " + std::to_string(Limits.Field_bytes) +
                                     " bytes; it is cut short");
            return;
        }
        if (record_bytes <= Limits.Record_bytes && record.Field_count_ < Limits.Kept_fields)
            record.Bytes_ += c;
    };
    const auto end_field = [&] {
        if (record.Field_count_ < Limits.Kept_fields) {
            record.Ends_.push_back(record.Bytes_.size());
            record.Bytes_ += Delimiter;
        }
        ++record.Field_count_;
        field_start = record.Bytes_.size();
        field_bytes = 0;
    };
    bool at_field_start = true;
    bool after_closing_quote = false;
    // Of the quoted field being read: the line it began on, how much of its
    // text came before its first line break, and the raw input after that
    // break (up to the field limit), to be read again should the quote turn
    // out not to be closed.
    long quote_line = 0;
    bool quote_broke_line = false;
    bool break_was_cr = false;
    std::size_t text_before_break = 0;
    std::string after_break;
    bool after_break_cut = false;  // more followed the break than was kept
    int previous = traits::eof();

    for (;;) {
        // Ordinary bytes of an unquoted field that the stream holds already
        // are kept in one go while they stay within every limit; the rest,
        // byte by byte.
        if (!in_quotes && !after_closing_quote && record.Field_count_ < Limits.Kept_fields) {
            const std::size_t room = std::min(Limits.Field_bytes - std::min(field_bytes, Limits.Field_bytes),
                                              Limits.Record_bytes - std::min(record_bytes, Limits.Record_bytes));
            const std::string_view run = Plain_run(room);
            if (!run.empty()) {
                record.Bytes_.append(run);
                field_bytes += run.size();
                record_bytes += run.size();
                Take_run(run.size());
                at_field_start = false;
            }
        }
        const int c = Take();
        if (c != traits::eof())
            count_byte();
        if (in_quotes) {
            const auto remember = [&](int byte) {
                if (after_break.size() < Limits.Field_bytes)
                    after_break += traits::to_char_type(byte);
                else
                    after_break_cut = true;
            };
            if (quote_broke_line && c != traits::eof())
                remember(c);
            if (c == '"' && Peek() == '"') {
                if (quote_broke_line)
                    remember(Take());
                else
                    Take();
                count_byte();
                keep('"');
            } else if (c == '"') {
                in_quotes = false;
                after_closing_quote = true;
            } else if (c != traits::eof()) {
                const bool line_end = c == '\r' || (c == '\n' && previous != '\r');
                if (line_end) {
                    ++Line;
                    if (!quote_broke_line) {
                        quote_broke_line = true;
                        text_before_break = field_bytes;
                        break_was_cr = c == '\r';
                    }
                }
                keep(traits::to_char_type(c));
            }
            previous = c;
            if (c != traits::eof())
                continue;

            // The quote is not closed: the record ends at the end of the line
            // on which the quoted field began, and what followed is read
            // again; when more followed than the field limit kept, the rest
            // of the input was this field, and the record ends here.
            if (quote_broke_line && after_break_cut) {
                record.Problem_.clear();
                note(quote_line, "a quoted field is not closed; the rest of the input is read as its text");
            } else {
                note(quote_line, "a quoted field is not closed");
            }
            if (quote_broke_line && !after_break_cut) {
                record.Bytes_.resize(std::min(record.Bytes_.size(), field_start + text_before_break));
                Line = quote_line + 1;
                Skip_lf = break_was_cr;
                Push_back(std::move(after_break));
            }
            end_field();
            return true;
        }
        if (c == traits::eof() || c == '\n' || c == '\r') {
            if (c != traits::eof())
                End_line_after(record, c);
            end_field();
            return true;
        }
        if (c == Delimiter) {
            end_field();
            at_field_start = true;
            after_closing_quote = false;
            continue;
        }
        if (after_closing_quote) {
            note(Line, "text after the closing quote of a field");
            Skip_rest_of_line(record);
            end_field();
            return true;
        }
        if (c == '"' && at_field_start) {
            in_quotes = true;
            quote_line = Line;
            quote_broke_line = false;
            after_break.clear();
            after_break_cut = false;
            previous = traits::eof();
        } else {
            keep(traits::to_char_type(c));
        }
        at_field_start = false;
    }
}
