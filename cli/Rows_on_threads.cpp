// The table's rows computed on several threads and written in input order.
//
// This thread reads the rows into a ring of slots; the workers take them in
// order, compute and format each into its slot's text; whichever worker
// finds the oldest row formatted writes it and every formatted row after it,
// so that the output leaves in input order, each row as soon as the rows
// before it are out. A row waits for a free slot, and for the rows in flight
// to hold under In_flight_bytes, so that memory stays bounded whatever the
// table; a row longer than Large_row_bytes is computed here, once the rows
// before it are out, and written straight to the output as the single-
// threaded run writes it. Each worker keeps its own credible quantiles.
#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "Table_run.h"

namespace {

constexpr std::size_t In_flight_bytes = std::size_t{2} << 20;
constexpr std::size_t Large_row_bytes = std::size_t{256} << 10;
// A slot's text keeps at most this much storage between rows.
constexpr std::size_t Kept_text_bytes = std::size_t{64} << 10;
constexpr std::size_t Slots_per_job = 32;

struct Slot {
    enum class State { Free, Read, Formatted };
    State Now = State::Free;
    Csv_record Record;
    Text_sink Text;
    bool Refused = false;
};

class Row_pipeline {
public:
    explicit Row_pipeline(const Table_run& run)
        : Run(run), Slots(Slots_per_job * run.Options.Jobs),
          Memo_entries(Credible_quantile_memo::Default_max_entries / run.Options.Jobs)
    {
    }

    Exit_status Run_rows();

private:
    void Work();
    // Writes the oldest rows while they are formatted, unless another thread
    // is writing; lock held on entry and on return.
    void Write_ready(std::unique_lock<std::mutex>& lock);
    // Waits until every row read is written.
    void Drain(std::unique_lock<std::mutex>& lock);
    void Fail();
    Slot& Slot_of(std::uint64_t row) { return Slots[row % Slots.size()]; }

    const Table_run& Run;
    std::vector<Slot> Slots;
    std::size_t Memo_entries;

    std::mutex Mutex;
    std::condition_variable Row_read;     // for the workers
    std::condition_variable Row_written;  // for the reading thread
    std::uint64_t Read_rows = 0;
    std::uint64_t Taken_rows = 0;
    std::uint64_t Written_rows = 0;
    std::size_t Bytes_in_flight = 0;
    bool Input_ended = false;
    bool Writing = false;
    bool Failed = false;
    bool Refused = false;
    std::exception_ptr Worker_error;
};

void Row_pipeline::Fail()
{
    Failed = true;
    if (Run.Options.Stop)
        Run.Options.Stop->Request(Output_failed);
}

void Row_pipeline::Work()
{
    Credible_quantile_memo memo(Memo_entries);
    Batch_row row;
    std::unique_lock lock(Mutex);
    for (;;) {
        Row_read.wait(lock, [this] { return Taken_rows < Read_rows || Input_ended; });
        if (Taken_rows == Read_rows)
            return;
        Slot& slot = Slot_of(Taken_rows++);
        lock.unlock();
        try {
            Evaluate_row(slot.Record, Run.Layout, Run.Options, memo, row);
            slot.Text.Text().clear();
            Run.Writer.Write(row, slot.Text);
            slot.Refused = !row.Result;
        } catch (...) {
            lock.lock();
            if (!Worker_error)
                Worker_error = std::current_exception();
            Fail();
            lock.unlock();
        }
        lock.lock();
        slot.Now = Slot::State::Formatted;
        Write_ready(lock);
    }
}

void Row_pipeline::Write_ready(std::unique_lock<std::mutex>& lock)
{
    if (Writing)
        return;
    Writing = true;
    while (Written_rows < Read_rows && Slot_of(Written_rows).Now == Slot::State::Formatted) {
        Slot& slot = Slot_of(Written_rows);
        if (!Failed) {
            lock.unlock();
            const std::string& text = slot.Text.Text();
            Run.Out.write(text.data(), static_cast<std::streamsize>(text.size()));
            const bool written = Run.Written();
            lock.lock();
            if (written)
                Refused = Refused || slot.Refused;
            else
                Fail();
        }
        Bytes_in_flight -= slot.Record.Kept_bytes();
        if (slot.Text.Text().capacity() > Kept_text_bytes)
            std::string().swap(slot.Text.Text());
        slot.Now = Slot::State::Free;
        ++Written_rows;
        Row_written.notify_one();
    }
    Writing = false;
    Row_written.notify_one();
}

void Row_pipeline::Drain(std::unique_lock<std::mutex>& lock)
{
    Row_written.wait(lock, [this] { return Written_rows == Read_rows && !Writing; });
}

Exit_status Row_pipeline::Run_rows()
{
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < Run.Options.Jobs; ++i)
        workers.emplace_back([this] { Work(); });

    std::exception_ptr read_error;
    try {
        Csv_record record;
        Batch_row row;
        Credible_quantile_memo memo(Memo_entries);
        Text_sink sink(&Run.Out);
        while (!Run.Stop_requested() && Run.Reader.Next_record(record)) {
            if (record.Is_blank())
                continue;
            const std::size_t bytes = record.Kept_bytes();
            std::unique_lock lock(Mutex);
            if (Failed)
                break;
            if (bytes > Large_row_bytes) {
                Drain(lock);
                if (Failed)
                    break;
                Evaluate_row(record, Run.Layout, Run.Options, memo, row);
                Run.Writer.Write(row, sink);
                sink.Flush();
                if (!Run.Written()) {
                    Fail();
                    break;
                }
                Refused = Refused || !row.Result;
                continue;
            }
            Row_written.wait(lock, [&] {
                return Failed || (Slot_of(Read_rows).Now == Slot::State::Free &&
                                  (Bytes_in_flight == 0 || Bytes_in_flight + bytes <= In_flight_bytes));
            });
            if (Failed)
                break;
            Slot& slot = Slot_of(Read_rows++);
            slot.Record = record;
            slot.Now = Slot::State::Read;
            Bytes_in_flight += bytes;
            lock.unlock();
            Row_read.notify_one();
        }
    } catch (...) {
        read_error = std::current_exception();
    }

    // The rows in hand are written (or dropped after a failed write) before
    // the workers end.
    {
        std::unique_lock lock(Mutex);
        Drain(lock);
        Input_ended = true;
    }
    Row_read.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    if (Worker_error)
        std::rethrow_exception(Worker_error);
    if (Failed)
        return Output_failed;
    if (read_error)
        std::rethrow_exception(read_error);
    return Run.Ended(Refused);
}

}  // namespace

Exit_status Run_rows_on_threads(const Table_run& run)
{
    Row_pipeline pipeline(run);
    return pipeline.Run_rows();
}
