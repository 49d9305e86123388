// Many comparisons from a CSV table: a header row, then rows
// sd,n,case_a,case_b[,limits]. Each row is read and checked as the worksheet
// does it and gives one output row with its inputs, the numbers of the
// comparison (full stop, 12 significant digits) and an error column, which
// holds the refusal message (each CR a blank) when the row was refused.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

inline constexpr std::string_view Batch_header =
    "sd,n,case_a,case_b,limits,raw_difference,sd_difference,df,p_one_tailed,p_two_tailed,"
    "effect_size,effect_lower,effect_upper,percent_estimate,percent_lower,percent_upper,error";

// Exit statuses of a batch run.
inline constexpr int All_rows_passed = 0;
inline constexpr int Some_rows_refused = 1;

// Reads the table from in and writes the results to out; raises Csv_error for
// malformed CSV (the rows before it are written). Blank lines are skipped.
int Run_batch(std::istream& in, std::ostream& out);
