// The rows of a table computed one after another whatever the number of
// jobs, where the build has no threads (WebAssembly); the output is the same.
#include "Table_run.h"

Batch_outcome Run_rows_on_threads(const Table_run& run)
{
    return Run_rows_in_order(run);
}
