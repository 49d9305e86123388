// The rows of a table run one after another on the calling thread: for one
// job, and for every number of jobs where the build has no threads
// (WebAssembly); the output is the same.
#include "Table_run.h"

Batch_outcome Run_rows_in_order(const Table_run& run)
{
    Csv_record record;
    Batch_row row;
    Comparison_memo memo;
    Text_sink sink(&run.Out);
    Row_counts counts;
    while (run.Next_row(record))
        if (!run.Run_row(record, memo, row, sink, counts))
            return {Exit_status::Output_failed, counts};
    return run.Ended(counts);
}
