// The CSV reader of voran-report --csv, and the table run on top of it, on
// arbitrary bytes. The reader must end (every record consumes input), raise
// nothing, keep within its limits, and give back what a writer of the same
// records would write: writing the well-formed records and reading them
// again yields the same records. The table run must raise nothing but
// ETable_error; its CSV output must read back with no problem and the same
// number of fields in every record, and its JSON Lines output must be one
// object a line without raw control characters.
#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "Batch.h"
#include "Csv_reader.h"
#include "Csv_writer.h"
#include "Fuzz_check.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

// Small limits, so that short inputs reach the paths that cut records.
constexpr Csv_limits Small_limits = {16, 64, 8};

// A stream buffer that holds one byte at a time, so that the reader takes
// every byte on its own rather than runs of bytes it finds buffered.
class One_byte_at_a_time : public std::streambuf {
public:
    explicit One_byte_at_a_time(const std::string& text) : Text(text) {}

protected:
    int_type underflow() override
    {
        if (At == Text.size())
            return traits_type::eof();
        Byte = Text[At++];
        setg(&Byte, &Byte, &Byte + 1);
        return traits_type::to_int_type(Byte);
    }

private:
    const std::string& Text;
    std::size_t At = 0;
    char Byte = 0;
};

// Everything a record says, field by field.
std::vector<std::string> Said(const Csv_record& record, long line)
{
    std::vector<std::string> said = {std::to_string(record.Field_count()), record.Problem(),
                                     std::to_string(line), record.Line_ended() ? "line end" : "input end"};
    for (std::size_t i = 0; i < record.Kept_count(); ++i)
        said.emplace_back(record.Field(i));
    return said;
}

// The records read from a buffer that holds the whole text and from one
// that holds a byte at a time are the same, problems and line numbers too.
void Check_runs_read_as_bytes(const std::string& text, char delimiter, const Csv_limits& limits)
{
    std::istringstream whole(text);
    One_byte_at_a_time bytes_buffer(text);
    std::istream bytes(&bytes_buffer);
    Csv_reader from_whole(whole, delimiter, limits);
    Csv_reader from_bytes(bytes, delimiter, limits);
    Csv_record record;
    Records read;
    while (from_whole.Next_record(record))
        read.push_back(Said(record, from_whole.Line_number()));
    std::size_t i = 0;
    while (from_bytes.Next_record(record)) {
        FUZZ_CHECK(i < read.size(), "more records read a byte at a time");
        FUZZ_CHECK(Said(record, from_bytes.Line_number()) == read[i++], "a record read otherwise a byte at a time");
    }
    FUZZ_CHECK(i == read.size(), "fewer records read a byte at a time");
}

// The records of text that are well-formed and within the limits; checks the
// limits on every record.
Records Read_well_formed(const std::string& text, char delimiter, const Csv_limits& limits)
{
    std::istringstream in(text);
    Csv_reader reader(in, delimiter, limits);
    Records records;
    Csv_record record;
    std::size_t count = 0;
    while (reader.Next_record(record)) {
        FUZZ_CHECK(++count <= text.size(), "more records than characters");
        FUZZ_CHECK(record.Kept_count() <= limits.Kept_fields, "more fields kept than allowed");
        FUZZ_CHECK(record.Kept_count() <= record.Field_count(), "more fields kept than read");
        std::size_t bytes = 0;
        std::vector<std::string> fields;
        for (std::size_t i = 0; i < record.Kept_count(); ++i) {
            FUZZ_CHECK(record.Field(i).size() <= limits.Field_bytes, "a field kept beyond the limit");
            bytes += record.Field(i).size();
            fields.emplace_back(record.Field(i));
        }
        FUZZ_CHECK(bytes <= limits.Record_bytes, "a record kept beyond the limit");
        if (record.Problem().empty() && record.Kept_count() == record.Field_count())
            records.push_back(std::move(fields));
    }
    return records;
}

void Check_round_trip(const Records& records)
{
    std::ostringstream out;
    for (const auto& record : records)
        Write_csv_record(out, record);
    // Quoting lengthens a record: it is read again within the usual limits.
    FUZZ_CHECK(Read_well_formed(out.str(), ',', Csv_limits{}) == records,
               "records changed on writing and reading again");
}

void Check_csv_run(const std::string& text)
{
    std::istringstream in(text);
    std::ostringstream out;
    try {
        const Exit_status status = Run_batch(in, out, {}).Status;
        FUZZ_CHECK(status == Exit_status::Done || status == Exit_status::Some_rows_refused,
                   "unknown exit status");
    } catch (const ETable_error&) {
        FUZZ_CHECK(out.str().empty(), "output before a refused header");
        return;
    }
    std::istringstream written(out.str());
    Csv_reader reader(written);
    Csv_record record;
    FUZZ_CHECK(reader.Next_record(record), "no header written");
    const std::size_t columns = record.Field_count();
    while (reader.Next_record(record)) {
        FUZZ_CHECK(record.Problem().empty(), "the output does not read back");
        FUZZ_CHECK(record.Field_count() == columns, "a row with another number of fields");
    }
}

void Check_jsonl_run(const std::string& text)
{
    std::istringstream in(text);
    std::ostringstream out;
    Batch_options options;
    options.Format = Output_format::Jsonl;
    options.Delimiter = ';';
    try {
        Run_batch(in, out, options);
    } catch (const ETable_error&) {
        return;
    }
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        FUZZ_CHECK(line.size() >= 2 && line.front() == '{' && line.back() == '}', "not one object");
        for (const char c : line)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20, "a raw control character");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Check_round_trip(Read_well_formed(text, ',', Small_limits));
    Read_well_formed(text, ';', Small_limits);
    Check_runs_read_as_bytes(text, ',', Small_limits);
    Check_runs_read_as_bytes(text, ',', Csv_limits{});
    Check_csv_run(text);
    Check_jsonl_run(text);
    return 0;
}
