// The table's rows computed on several threads and written in input order.
//
// This thread reads the rows and hands them on in batches through a ring of
// slots: a batch leaves when it holds its number of rows or Batch_bytes bytes,
// or when no more input is at hand (so that a program feeding one row at a
// time through a pipe is answered at once). The workers take the batches in
// order, compute and format each row into its slot's text; whichever worker
// finds the oldest batch formatted writes it and every formatted batch after
// it, so that the output leaves in input order, as soon as the rows before
// it are out. A batch waits for a free slot, and for the rows in flight to
// hold under In_flight_bytes, so that memory stays bounded whatever the
// table; a row longer than Large_row_bytes is computed here, once the rows
// before it are out, and written straight to the output as the single-
// threaded run writes it. Each worker keeps its own memo of distributions and
// credible quantiles.
//
// A batch's rows are as many as the slots can hold within Rows_in_slots
// (between Least_batch_rows and Most_batch_rows): with few workers, long
// batches, so that handing one on (a wait and a wake-up on each side) costs
// little beside the rows' own work; with many, short ones, so that the
// slots' texts stay small in all.
#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "Table_run.h"

namespace {

constexpr std::size_t Rows_in_slots = 2048;
constexpr std::size_t Least_batch_rows = 16;
constexpr std::size_t Most_batch_rows = 256;
constexpr std::size_t Batch_bytes = std::size_t{64} << 10;
constexpr std::size_t In_flight_bytes = std::size_t{1} << 20;
constexpr std::size_t Large_row_bytes = std::size_t{256} << 10;
// The storage that the slots' texts and records keep between batches, so
// that a batch seldom allocates: at most this much in all, whatever the
// number of slots, and at most Slot_storage_bytes in one slot's text and as
// much in its records.
constexpr std::size_t Kept_storage_bytes = std::size_t{8} << 20;
constexpr std::size_t Slot_storage_bytes = std::size_t{64} << 10;
constexpr std::size_t Slots_per_job = 4;
// The memos of all the workers share the bounds of one; each keeps at least
// this many t distributions.
constexpr std::size_t Least_t_distributions = 16;

// Rows read and not yet handed on, or handed on in a slot.
struct Batch {
    std::vector<Csv_record> Records;  // the first Count hold the rows
    std::size_t Count = 0;
    std::size_t Bytes = 0;

    void Add(const Csv_record& record)
    {
        if (Count == Records.size())
            Records.emplace_back();
        Records[Count++] = record;
        Bytes += record.Kept_bytes();
    }
};

struct Slot {
    enum class State { Free, Read, Formatted };
    State Now = State::Free;
    Batch Rows;
    Text_sink Text;
    Row_counts Counts;  // of the rows in Text

    // Frees the slot once its text is written, keeping at most kept_bytes of
    // storage in its text and as much in its records.
    void Release(std::size_t kept_bytes)
    {
        Text.Clear(kept_bytes);
        std::size_t kept = 0;
        for (Csv_record& record : Rows.Records) {
            kept += record.Storage_bytes();
            // Exchanged for an empty record, the old one taking its storage
            // away: a string assigned a short one would keep its storage.
            if (kept > kept_bytes)
                std::exchange(record, Csv_record());
        }
        Now = State::Free;
    }
};

class Row_pipeline {
public:
    explicit Row_pipeline(const Table_run& run)
        : Run(run), Slots(Slots_per_job * run.Options.Jobs),
          Batch_rows(std::clamp(Rows_in_slots / Slots.size(), Least_batch_rows, Most_batch_rows)),
          Slot_kept_bytes(std::min(Kept_storage_bytes / Slots.size(), Slot_storage_bytes)),
          Memo_entries(Credible_quantile_memo::Default_max_entries / run.Options.Jobs),
          Memo_t_distributions(std::max<std::size_t>(Comparison_memo::Default_t_distributions / run.Options.Jobs,
                                                     Least_t_distributions))
    {
    }

    Batch_outcome Run_rows();

private:
    void Work();
    void Format(Slot& slot, Comparison_memo& memo, Batch_row& row) const;
    // Hands the batch on to the workers; false after a failed write.
    bool Hand_on(Batch& batch);
    // Writes the oldest batches while they are formatted, unless another
    // thread is writing; lock held on entry and on return.
    void Write_ready(std::unique_lock<std::mutex>& lock);
    // Waits until every batch handed on is written.
    void Drain(std::unique_lock<std::mutex>& lock);
    void Fail();
    Slot& Slot_of(std::uint64_t batch) { return Slots[batch % Slots.size()]; }

    const Table_run& Run;
    std::vector<Slot> Slots;
    std::size_t Batch_rows;
    std::size_t Slot_kept_bytes;
    std::size_t Memo_entries;
    std::size_t Memo_t_distributions;

    std::mutex Mutex;
    std::condition_variable Batch_read;     // for the workers
    std::condition_variable Batch_written;  // for the reading thread
    std::uint64_t Read_batches = 0;
    std::uint64_t Taken_batches = 0;
    std::uint64_t Written_batches = 0;
    std::size_t Bytes_in_flight = 0;
    bool Input_ended = false;
    bool Writing = false;
    bool Failed = false;
    Row_counts Counts;  // of the rows written
    std::exception_ptr Worker_error;
};

void Row_pipeline::Fail()
{
    Failed = true;
    if (Run.Options.Stop)
        Run.Options.Stop->Request(Exit_status::Output_failed);
}

void Row_pipeline::Format(Slot& slot, Comparison_memo& memo, Batch_row& row) const
{
    slot.Counts = {};
    for (std::size_t i = 0; i < slot.Rows.Count; ++i) {
        Evaluate_row(slot.Rows.Records[i], Run.Layout, Run.Options, memo, row);
        Run.Writer.Write(row, slot.Text);
        slot.Counts.Add(row);
    }
}

void Row_pipeline::Work()
{
    Comparison_memo memo(Memo_entries, Memo_t_distributions);
    Batch_row row;
    std::unique_lock lock(Mutex);
    for (;;) {
        Batch_read.wait(lock, [this] { return Taken_batches < Read_batches || Input_ended; });
        if (Taken_batches == Read_batches)
            return;
        Slot& slot = Slot_of(Taken_batches++);
        lock.unlock();
        try {
            Format(slot, memo, row);
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
    while (Written_batches < Read_batches && Slot_of(Written_batches).Now == Slot::State::Formatted) {
        Slot& slot = Slot_of(Written_batches);
        if (!Failed) {
            lock.unlock();
            const std::string_view text = slot.Text.Text();
            Run.Out.write(text.data(), static_cast<std::streamsize>(text.size()));
            const bool written = Run.Written();
            if (written)
                Run.Tell_written(slot.Counts);
            lock.lock();
            if (written)
                Counts += slot.Counts;
            else
                Fail();
        }
        Bytes_in_flight -= slot.Rows.Bytes;
        slot.Release(Slot_kept_bytes);
        ++Written_batches;
    }
    Writing = false;
    Batch_written.notify_one();
}

void Row_pipeline::Drain(std::unique_lock<std::mutex>& lock)
{
    Batch_written.wait(lock, [this] { return Written_batches == Read_batches && !Writing; });
}

bool Row_pipeline::Hand_on(Batch& batch)
{
    if (batch.Count == 0)
        return true;
    std::unique_lock lock(Mutex);
    Batch_written.wait(lock, [&] {
        return Failed || (Slot_of(Read_batches).Now == Slot::State::Free &&
                          (Bytes_in_flight == 0 || Bytes_in_flight + batch.Bytes <= In_flight_bytes));
    });
    if (Failed)
        return false;
    Slot& slot = Slot_of(Read_batches++);
    std::swap(slot.Rows, batch);
    slot.Now = Slot::State::Read;
    Bytes_in_flight += slot.Rows.Bytes;
    batch.Count = 0;
    batch.Bytes = 0;
    lock.unlock();
    Batch_read.notify_one();
    return true;
}

Batch_outcome Row_pipeline::Run_rows()
{
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < Run.Options.Jobs; ++i)
        workers.emplace_back([this] { Work(); });

    std::exception_ptr read_error;
    Batch batch;
    try {
        Csv_record record;
        Batch_row row;
        Comparison_memo memo(Memo_entries, Memo_t_distributions);
        Text_sink sink(&Run.Out);
        while (Run.Next_row(record)) {
            if (record.Kept_bytes() > Large_row_bytes) {
                if (!Hand_on(batch))
                    break;
                std::unique_lock lock(Mutex);
                Drain(lock);
                if (Failed)
                    break;
                if (!Run.Run_row(record, memo, row, sink, Counts)) {
                    Fail();
                    break;
                }
                continue;
            }
            if (!record.Is_blank())
                batch.Add(record);
            if ((batch.Count == Batch_rows || batch.Bytes >= Batch_bytes || !Run.Reader.Input_at_hand()) &&
                !Hand_on(batch))
                break;
        }
    } catch (...) {
        read_error = std::current_exception();
    }
    // The rows read before the end, a stop or an error of the input.
    Hand_on(batch);

    // The rows in hand are written (or dropped after a failed write) before
    // the workers end.
    {
        std::unique_lock lock(Mutex);
        Drain(lock);
        Input_ended = true;
    }
    Batch_read.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    if (Worker_error)
        std::rethrow_exception(Worker_error);
    if (Failed)
        return {Exit_status::Output_failed, Counts};
    if (read_error)
        std::rethrow_exception(read_error);
    return Run.Ended(Counts);
}

}  // namespace

Batch_outcome Run_rows_on_threads(const Table_run& run)
{
    Row_pipeline pipeline(run);
    return pipeline.Run_rows();
}
