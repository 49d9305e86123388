// Many comparisons from a CSV table: a header row, then rows
// sd,n,case_a,case_b[,limits]. Each row is read and checked as the worksheet
// does it and gives one typed row for the writer; a refused row carries the
// refusal message (each CR a blank) and the run goes on.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "Batch_row.h"
#include "Exit_status.h"

// The row for one input record's fields; values quoted in refusals use the
// given decimal separator.
Batch_row Evaluate_row(const std::vector<std::string>& fields, char decimal_separator);

// Reads the table from in and hands each row to the writer; raises Csv_error
// for malformed CSV (the rows before it are written). Blank lines are
// skipped. Returns Done, or Some_rows_refused.
Exit_status Run_batch(std::istream& in, Row_writer& writer, char decimal_separator);
