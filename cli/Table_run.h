// What the two ways of running a table's rows share: on the calling thread,
// one row after another, or on several threads with the rows written in
// input order (Run_rows_on_threads, the only part of the table run that
// needs threads).
#pragma once

#include <optional>
#include <ostream>

#include "Batch.h"
#include "Text_sink.h"

struct Table_run {
    Csv_reader& Reader;
    const Table_layout& Layout;
    const Batch_options& Options;
    const Row_writer& Writer;
    std::ostream& Out;

    // Whether the text given to Out has reached it (handed on at once for a
    // reader at the other end of a pipe); a text written is progress.
    bool Written() const
    {
        if (Options.Flush_each_row)
            Out.flush();
        if (!Out)
            return false;
        if (Options.Stop)
            Options.Stop->Note_progress();
        return true;
    }
    void Tell_written(const Row_counts& counts) const
    {
        if (Options.Rows_written)
            Options.Rows_written(counts.Rows, counts.Refused);
    }
    std::optional<Exit_status> Stop_requested() const
    {
        return Options.Stop ? Options.Stop->Requested() : std::nullopt;
    }
    // Reads the next record, none after a stop request; false at the end of
    // the input or on a stop. A stop request ends the input where it is: a
    // record that had not reached its line end then is no row (neither
    // computed nor refused).
    bool Next_row(Csv_record& record) const
    {
        return !Stop_requested() && Reader.Next_record(record) && (record.Line_ended() || !Stop_requested());
    }
    // One row computed and written at once, through sink, and counted; a
    // blank row is skipped. False when the write failed.
    bool Run_row(const Csv_record& record, Comparison_memo& memo, Batch_row& row, Text_sink& sink,
                 Row_counts& counts) const;
    // The outcome of a run that read every row it was to read.
    Batch_outcome Ended(const Row_counts& counts) const
    {
        return {Stop_requested().value_or(counts.Refused > 0 ? Exit_status::Some_rows_refused : Exit_status::Done),
                counts};
    }
};

// The rows of the table after its header, read, computed and written one
// after another.
Batch_outcome Run_rows_in_order(const Table_run& run);

// The same, computed by Options.Jobs threads while this one reads; built
// only where the platform has threads (VORAN_ROWS_ON_THREADS).
Batch_outcome Run_rows_on_threads(const Table_run& run);
