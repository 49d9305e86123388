// Where a table's row spends its time, on one thread: the row whole
// (reading, checking, comparing and writing, through the table code as
// voran-report --csv runs it) and its statistics alone (the same rows'
// comparisons, their requests read beforehand, with the memo a table run
// keeps). The rest of the whole is reading, parsing and formatting.
//
// The table is the file that VORAN_BENCH_TABLE names (scripts/bench makes
// its three tables and names each in turn); without one these benchmarks
// report an error and measure nothing.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "Batch.h"

namespace {

// An output that takes every byte and keeps none.
class Discarding_buffer : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// The named table's text; false (the benchmark skipped with the reason)
// when there is none.
bool Read_table(benchmark::State& state, std::string& text)
{
    const char* const path = std::getenv("VORAN_BENCH_TABLE");
    std::ifstream in;
    if (path)
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
        state.SkipWithError(path ? "cannot read the table VORAN_BENCH_TABLE names" : "VORAN_BENCH_TABLE names no table");
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The comparisons of the table's rows, read as a table run reads them; the
// refused rows have none.
std::vector<Comparison_request> Requests_of(const std::string& text)
{
    std::istringstream in(text);
    Csv_reader reader(in);
    Csv_record record;
    reader.Next_record(record);
    const Table_layout layout = Layout_of_header(record);
    std::vector<Comparison_request> requests;
    Batch_row row;
    while (reader.Next_record(record)) {
        if (record.Is_blank())
            continue;
        if (const std::optional<Comparison_request> request = Read_row(record, layout, Batch_options{}, row))
            requests.push_back(*request);
    }
    return requests;
}

void BM_Table_row_whole(benchmark::State& state)
{
    std::string text;
    if (!Read_table(state, text))
        return;
    const std::size_t rows = Requests_of(text).size();
    Discarding_buffer discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        std::istringstream in(text);
        benchmark::DoNotOptimize(Run_batch(in, out, Batch_options{}).Status);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows));
}

void BM_Table_row_statistics(benchmark::State& state)
{
    std::string text;
    if (!Read_table(state, text))
        return;
    const std::vector<Comparison_request> requests = Requests_of(text);
    for (auto _ : state) {
        Comparison_memo memo;
        for (const Comparison_request& request : requests)
            benchmark::DoNotOptimize(Compare_two_cases(request, memo));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * requests.size()));
}

}  // namespace

BENCHMARK(BM_Table_row_whole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Table_row_statistics)->Unit(benchmark::kMillisecond);
