// The CSV reader of voran-report --csv, and the batch run on top of it, on
// arbitrary bytes. The reader must end (every record consumes input), raise
// nothing but Csv_error, and give back what a writer of the same records
// would write: writing the records and reading them again yields the same
// records. The batch run must raise nothing but Csv_error and write its
// header first.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "Batch.h"
#include "Csv_row_writer.h"
#include "Csv_reader.h"
#include "Csv_writer.h"
#include "Fuzz_check.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

// All records of text; false when the reader raised Csv_error.
bool Read_all(const std::string& text, Records& records)
{
    std::istringstream in(text);
    Csv_reader reader(in);
    std::vector<std::string> fields;
    try {
        while (reader.Next_record(fields)) {
            records.push_back(fields);
            FUZZ_CHECK(records.size() <= text.size(), "more records than characters");
        }
    } catch (const Csv_error&) {
        return false;
    }
    return true;
}

void Check_round_trip(const Records& records)
{
    std::ostringstream out;
    for (const auto& record : records)
        Write_csv_record(out, record);
    Records again;
    FUZZ_CHECK(Read_all(out.str(), again), "the reader refused what the writer wrote");
    FUZZ_CHECK(again == records, "records changed on writing and reading again");
}

void Check_batch(const std::string& text)
{
    std::istringstream in(text);
    std::ostringstream out;
    Csv_row_writer writer(out);
    try {
        const int status = Run_batch(in, writer, '.');
        FUZZ_CHECK(status == Done || status == Some_rows_refused, "unknown exit status");
    } catch (const Csv_error&) {
    }
    std::ostringstream header;
    Csv_row_writer(header).Begin();
    FUZZ_CHECK(out.str().compare(0, header.str().size(), header.str()) == 0,
               "the batch output does not start with its header");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Records records;
    if (Read_all(text, records))
        Check_round_trip(records);
    Check_batch(text);
    return 0;
}
