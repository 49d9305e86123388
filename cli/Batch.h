// Many comparisons from a table: a first row naming the columns (see
// Table_layout), then one row per comparison. Each row is read and checked
// as the worksheet does it (a decimal comma read as a point) and gives one
// typed row for the writer; a refused or broken row carries the reason (each
// line break a blank) and the run goes on. Blank lines, and lines of
// delimiters only, are skipped.
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "Batch_row.h"
#include "Comparison_memo.h"
#include "Csv_reader.h"
#include "Exit_status.h"
#include "Output_format.h"
#include "Stop_request.h"
#include "Table_layout.h"

struct Batch_options {
    // Empty: as the first line shows it (Delimiter_of_first_line).
    std::optional<char> Delimiter;
    Output_format Format = Output_format::Csv;
    Output_delimiter Output_delimiter_kind = Output_delimiter::Comma;  // of the CSV output
    Extended Level = Default_level;  // credible level in percent
    char Decimal_separator = '.';  // of values quoted in refusals
    bool Flush_each_row = false;   // for a reader at the other end of a pipe
    // Threads that compute rows; 1 computes them on the calling thread alone.
    unsigned Jobs = 1;
    // Asked to stop (a signal): the run reads no further row, writes every
    // row in hand and returns the status requested. A failed write is
    // requested here too, to wake a reader waiting for input. Each row
    // computed and each text written is noted there as progress. May be null.
    Stop_request* Stop = nullptr;
    // The language of the columns summary and statistics; empty for none.
    std::optional<Summary_language> Summary;
    // Told, in input order, of rows whose text has been given to the output
    // and reached it: how many, and how many of them were refused. May be
    // empty. It may request a stop through Stop.
    std::function<void(std::size_t rows, std::size_t refused)> Rows_written;
};

// How much of a table's first line decides its delimiter.
inline constexpr std::size_t Delimiter_sample_bytes = std::size_t{64} * 1024;

// The delimiter of a table whose first line is given (what follows its first
// line end is not looked at): a semicolon when the line holds one and no
// comma, as spreadsheets with a decimal comma export; a tab when it holds
// one and neither a comma nor a semicolon; otherwise a comma.
char Delimiter_of_first_line(std::string_view line);

// The limits that a text names, read as the column names are: without
// regard to case and surrounding blanks; empty for any other text.
std::optional<Limits> Limits_from_text(std::string_view text);

// Why a text that names no limits is refused, naming it.
std::string Limits_refusal(std::string_view text);

// Reads one data record of a table laid out as given into row (its storage
// reused from row to row): the fields echoed, the limits applied, and the
// comparison to run, or none with the reason in row.Error.
std::optional<Comparison_request> Read_row(const Csv_record& record, const Table_layout& layout,
                                           const Batch_options& options, Batch_row& row);

// Fills row for one data record, read as Read_row reads it and compared;
// memo carries the distributions and the credible quantiles from row to row.
void Evaluate_row(const Csv_record& record, const Table_layout& layout, const Batch_options& options,
                  Comparison_memo& memo, Batch_row& row);

// The rows a table run wrote, and how many of them were refused (their error
// column says why).
struct Row_counts {
    std::size_t Rows = 0;
    std::size_t Refused = 0;

    void Add(const Batch_row& row)
    {
        ++Rows;
        if (!row.Result)
            ++Refused;
    }
    Row_counts& operator+=(const Row_counts& more)
    {
        Rows += more.Rows;
        Refused += more.Refused;
        return *this;
    }
};

struct Batch_outcome {
    Exit_status Status = Exit_status::Done;
    Row_counts Counts;  // of the rows written before the run ended
};

// Reads the table from in and writes each row to out in the chosen format,
// in input order whatever the number of jobs, each row's bytes the same.
// Raises ETable_error when the first row cannot serve as the header, and
// returns the status of a stop request that came before it (nothing is
// written then); errors of the input stream (std::ios_base::failure) pass
// through after the rows read before them are written. Returns Done,
// Some_rows_refused, the status of a stop request, or Output_failed as soon
// as a write fails.
Batch_outcome Run_batch(std::istream& in, std::ostream& out, const Batch_options& options);
