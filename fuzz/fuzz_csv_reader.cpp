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
        const Exit_status status = Run_batch(in, out, {});
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
    Check_csv_run(text);
    Check_jsonl_run(text);
    return 0;
}
