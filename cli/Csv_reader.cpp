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
//
// Worth its lines: reading every byte through sgetc and sbumpc instead made
// a whole row 5-13% slower on tables of one control sample and 6-10% on 97
// (voran-bench --benchmark_filter=BM_Table_row_whole with VORAN_BENCH_TABLE
// naming scripts/bench's tables; ranges of repeated runs on a loaded
// two-core machine).
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

// A record read byte by byte: where in it the reader stands, what has been
// counted against the limits, and of a quoted field what is needed to read
// its input again should its quote not be closed.
class Csv_reader::Record_reading {
public:
    Record_reading(Csv_reader& reader, Csv_record& record) : Reader(reader), Record(record), First_line(reader.Line) {}

    // Reads the record to its end.
    void Read()
    {
        for (;;) {
            if (At == State::Field_start || At == State::Unquoted)
                Keep_plain_run();
            const int c = Reader.Take();
            if (c != traits::eof())
                Count_byte();
            if (At == State::Quoted ? Quoted_byte(c) : Byte_outside_quotes(c))
                return;
        }
    }

private:
    enum class State {
        Field_start,          // nothing of the field read yet
        Unquoted,             // inside an unquoted field
        Quoted,               // inside a quoted field, before its closing quote
        After_closing_quote,  // after a quoted field's closing quote
    };

    // Of the quoted field being read: the line it began on, how much of its
    // text came before its first line break, and the raw input after that
    // break (up to the field limit).
    struct Open_quote {
        long Line = 0;
        bool Broke_line = false;
        bool Break_was_cr = false;
        std::size_t Text_before_break = 0;
        std::string After_break;
        bool After_break_cut = false;  // more followed the break than was kept
        int Previous = traits::eof();
    };

    void Note(long line, const std::string& text)
    {
        if (Record.Problem_.empty())
            Record.Problem_ = "line " + std::to_string(line) + ": " + text;
    }

    void Count_byte()
    {
        if (++Record_bytes == Reader.Limits.Record_bytes + 1)
            Note(First_line, "the row is longer than " + std::to_string(Reader.Limits.Record_bytes) +
                                 " bytes; its fields are cut short");
    }

    void Keep(char c)
    {
        const Csv_limits& limits = Reader.Limits;
        if (++Field_bytes > limits.Field_bytes) {
            if (Field_bytes == limits.Field_bytes + 1)
                Note(First_line, "field " + std::to_string(Record.Field_count_ + 1) + " is longer than " +
                                     std::to_string(limits.Field_bytes) + " bytes; it is cut short");
            return;
        }
        if (Record_bytes <= limits.Record_bytes && Record.Field_count_ < limits.Kept_fields)
            Record.Bytes_ += c;
    }

    void End_field()
    {
        if (Record.Field_count_ < Reader.Limits.Kept_fields) {
            Record.Ends_.push_back(Record.Bytes_.size());
            Record.Bytes_ += Reader.Delimiter;
        }
        ++Record.Field_count_;
        Field_start = Record.Bytes_.size();
        Field_bytes = 0;
        At = State::Field_start;
    }

    // Ordinary bytes of an unquoted field that the stream holds already are
    // kept in one go while they stay within every limit; the rest, byte by
    // byte.
    void Keep_plain_run()
    {
        const Csv_limits& limits = Reader.Limits;
        if (Record.Field_count_ >= limits.Kept_fields)
            return;
        const std::size_t room = std::min(limits.Field_bytes - std::min(Field_bytes, limits.Field_bytes),
                                          limits.Record_bytes - std::min(Record_bytes, limits.Record_bytes));
        const std::string_view run = Reader.Plain_run(room);
        if (run.empty())
            return;
        Record.Bytes_.append(run);
        Field_bytes += run.size();
        Record_bytes += run.size();
        Reader.Take_run(run.size());
        At = State::Unquoted;
    }

    // Byte c (or the end of the input) outside a quoted field; true when it
    // ends the record.
    bool Byte_outside_quotes(int c)
    {
        if (c == traits::eof() || c == '\n' || c == '\r') {
            if (c != traits::eof())
                Reader.End_line_after(Record, c);
            End_field();
            return true;
        }
        if (c == Reader.Delimiter) {
            End_field();
        } else if (At == State::After_closing_quote) {
            Note(Reader.Line, "text after the closing quote of a field");
            Reader.Skip_rest_of_line(Record);
            End_field();
            return true;
        } else if (c == '"' && At == State::Field_start) {
            At = State::Quoted;
            Quote = Open_quote{};
            Quote.Line = Reader.Line;
        } else {
            Keep(traits::to_char_type(c));
            At = State::Unquoted;
        }
        return false;
    }

    void Remember_after_break(int byte)
    {
        if (Quote.After_break.size() < Reader.Limits.Field_bytes)
            Quote.After_break += traits::to_char_type(byte);
        else
            Quote.After_break_cut = true;
    }

    // Byte c (or the end of the input) inside a quoted field; true when it
    // ends the record.
    bool Quoted_byte(int c)
    {
        if (c == traits::eof())
            return Unclosed_quote();
        if (Quote.Broke_line)
            Remember_after_break(c);
        if (c == '"' && Reader.Peek() == '"') {
            const int second = Reader.Take();
            if (Quote.Broke_line)
                Remember_after_break(second);
            Count_byte();
            Keep('"');
        } else if (c == '"') {
            At = State::After_closing_quote;
        } else {
            const bool line_end = c == '\r' || (c == '\n' && Quote.Previous != '\r');
            if (line_end) {
                ++Reader.Line;
                if (!Quote.Broke_line) {
                    Quote.Broke_line = true;
                    Quote.Text_before_break = Field_bytes;
                    Quote.Break_was_cr = c == '\r';
                }
            }
            Keep(traits::to_char_type(c));
        }
        Quote.Previous = c;
        return false;
    }

    // The quote is not closed: the record ends at the end of the line on
    // which the quoted field began, and what followed is read again; when
    // more followed than the field limit kept, the rest of the input was
    // this field, and the record ends here.
    bool Unclosed_quote()
    {
        if (Quote.Broke_line && Quote.After_break_cut) {
            Record.Problem_.clear();
            Note(Quote.Line, "a quoted field is not closed; the rest of the input is read as its text");
        } else {
            Note(Quote.Line, "a quoted field is not closed");
        }
        if (Quote.Broke_line && !Quote.After_break_cut) {
            Record.Bytes_.resize(std::min(Record.Bytes_.size(), Field_start + Quote.Text_before_break));
            Reader.Line = Quote.Line + 1;
            Reader.Skip_lf = Quote.Break_was_cr;
            Reader.Push_back(std::move(Quote.After_break));
        }
        End_field();
        return true;
    }

    Csv_reader& Reader;
    Csv_record& Record;
    const long First_line;
    State At = State::Field_start;
    std::size_t Record_bytes = 0;  // of the record's text so far
    std::size_t Field_start = 0;   // where the current field begins in Bytes_
    std::size_t Field_bytes = 0;   // of the current field's text, kept or not
    Open_quote Quote;
};

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
    if (!Read_plain_line(record))
        Record_reading(*this, record).Read();
    return true;
}
