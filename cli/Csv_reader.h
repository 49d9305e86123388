// A reader of delimiter-separated values after RFC 4180: fields separated by
// the delimiter (a comma unless told otherwise), records ended by CR LF, LF
// or a lone CR; a field that begins with a double quote runs to the matching
// closing quote and may hold delimiters, line breaks and doubled quotes (each
// standing for one quote). A quote inside an unquoted field is an ordinary
// character. A UTF-8 byte-order mark at the very start is skipped.
//
// The reader never holds more than its limits, whatever the input: a record
// keeps at most Field_bytes of each field, Record_bytes in all and the first
// Kept_fields fields; what lies beyond is read and counted but not kept, and
// the record says why it was cut short. A broken record never ends the
// reading:
// - text after the closing quote of a field: the record ends at the end of
//   that line;
// - a quoted field runs to its closing quote however long it is, keeping its
//   first Field_bytes;
// - a quoted field that is not closed before the end of the input: the
//   record ends at the end of the line where the field began, and reading
//   goes on at the next line, as if the quote had been an ordinary
//   character; when more than Field_bytes followed that line (more than the
//   reader keeps to read again), the record takes the rest of the input.
// The reader asks its stream for no byte beyond the end of the record it
// returns, so that a program feeding one record at a time through a pipe is
// answered at once.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

struct Csv_limits {
    std::size_t Field_bytes = std::size_t{1} << 20;   // 1 MiB
    std::size_t Record_bytes = std::size_t{1} << 24;  // 16 MiB, delimiters and quotes included
    std::size_t Kept_fields = std::size_t{1} << 16;
};

// One record: its fields as far as they were kept, how many fields it had,
// and what was wrong with it.
class Csv_record {
public:
    // The number of fields in the record, kept or not.
    std::size_t Field_count() const { return Field_count_; }
    // The number of fields kept: at most the reader's Kept_fields.
    std::size_t Kept_count() const { return Ends_.size(); }
    // The bytes of the kept fields together.
    std::size_t Kept_bytes() const { return Bytes_.size(); }
    // The storage the record holds, which a record read into again reuses.
    std::size_t Storage_bytes() const
    {
        return Bytes_.capacity() + Ends_.capacity() * sizeof(std::size_t) + Problem_.capacity();
    }
    // Kept field i (i < Kept_count()); cut short when the record is.
    std::string_view Field(std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : Ends_[i - 1] + 1;
        return std::string_view(Bytes_).substr(begin, Ends_[i] - begin);
    }

    // Whether a line end ended the record; false for one that the end of the
    // input ended (the last line without its line end, an unclosed quote,
    // or an input stopped in the middle of a line).
    bool Line_ended() const { return Line_ended_; }

    // Empty for a well-formed record within the limits; otherwise what was
    // wrong, on one line, beginning with the line number ("line 7: ...").
    const std::string& Problem() const { return Problem_; }

    // A blank line, or a line of delimiters only (as spreadsheets write
    // under their data): every field kept and empty, and no problem. Each
    // kept field is followed by one byte in Bytes_, so the fields are all
    // empty when those bytes are all there is.
    bool Is_blank() const
    {
        return Ends_.size() == Field_count_ && Bytes_.size() == Ends_.size() && Problem_.empty();
    }

private:
    friend class Csv_reader;
    // The kept fields one after the other, each followed by one byte that
    // is not part of it (the delimiter or line end that ended it), so that
    // a line of plain fields is kept as it was read.
    std::string Bytes_;
    std::vector<std::size_t> Ends_;   // where each kept field ends in Bytes_
    std::size_t Field_count_ = 0;
    bool Line_ended_ = false;
    std::string Problem_;
};

class Csv_reader {
public:
    explicit Csv_reader(std::istream& in, char delimiter = ',', Csv_limits limits = {});

    void Set_delimiter(char delimiter) { Delimiter = delimiter; }
    void Set_kept_fields(std::size_t kept) { Limits.Kept_fields = kept; }

    // The first line of what is left to read, up to and including its line
    // end, or its first max_bytes bytes; nothing is consumed.
    std::string_view Peek_line(std::size_t max_bytes);

    // Reads the next record; false at the end of the input. Errors of the
    // stream (std::ios_base::failure) pass through.
    bool Next_record(Csv_record& record);

    // The line the next record begins on, counted from 1.
    long Line_number() const { return Line; }

    // Whether input is at hand: read from the stream but not yet taken, so
    // that the next record may come without waiting for the stream. The LF
    // of a CR LF whose CR ended the last record belongs to that record.
    bool Input_at_hand() const;

private:
    using traits = std::streambuf::traits_type;
    class Record_reading;

    int Peek();
    int Take();
    // The bytes up to the next delimiter, quote or line end (at most `most`)
    // that the stream already holds and nothing was put back before;
    // Take_run takes them.
    std::string_view Plain_run(std::size_t most);
    void Take_run(std::size_t length);
    // A whole line of unquoted fields within every limit, which the stream
    // already holds, read in one pass; false (nothing taken) for any other.
    bool Read_plain_line(Csv_record& record);
    void Skip_byte_order_mark();
    void Push_back(std::string text);
    void Skip_rest_of_line(Csv_record& record);
    // Ends the record at the line end c, which has been taken.
    bool End_line_after(Csv_record& record, int c);

    std::streambuf& Input;
    char Delimiter;
    Csv_limits Limits;
    long Line = 1;
    bool Started = false;
    bool Skip_lf = false;          // the last record ended with a CR: a LF right after it belongs to it
    std::string Pending;           // bytes put back, read before the stream
    std::size_t Pending_at = 0;
};
