// A table of comparisons for the page: the bytes of a file the user chose,
// run through voran-report's table code, giving the CSV that
// `voran-report --csv` writes for that file, in chunks, and what the page
// shows of it. A file that cannot serve as a table gives a message instead.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The largest table the page reads: 50 MiB, as file choosers show sizes.
inline constexpr double Largest_table_mib = 50;
inline constexpr double Largest_table_bytes = Largest_table_mib * 1024 * 1024;

// Rows of the result shown on the page; the download holds them all.
inline constexpr std::size_t Shown_table_rows = 1000;

struct Table_outcome {
    std::string Message;    // why the file cannot serve as a table; empty when it ran
    std::string Delimiter;  // the output delimiter's word
    std::string Rows_json;  // the header and the first shown rows: a JSON array of arrays of strings
    std::string Summary;    // how many rows, how many refused, how many shown, or where the output stopped
    bool Stopped = false;   // the output holds only the first rows: no more could be kept
};

// Where a table's output goes: as voran-report --csv --output-delimiter
// DELIMITER writes it, in chunks of about Chunk_bytes (more for a longer
// row), each ending with a row.
struct Table_output {
    std::size_t Chunk_bytes = std::size_t{16} * 1024 * 1024;
    // Keeps the next chunk; false when it could not be kept, which stops the
    // run after the rows kept before it.
    std::function<bool(std::string_view chunk)> Keep_chunk;
    // Told from time to time how far the run is, in the words the page shows.
    std::function<void(const std::string& progress)> Progress;
};

// Rows between two progress texts.
inline constexpr std::size_t Progress_rows = 1024;

// Why a file of this size is not read, or empty when it may be.
std::string Table_size_refusal(const std::string& file_name, double bytes);

// What the page says when the browser cannot read the chosen file.
std::string Table_unreadable(const std::string& file_name);

// What the page says when the user cancels a run.
std::string Table_cancelled(const std::string& file_name);

// What the page says when a run ended without an outcome (the browser ended
// it, as it does when it runs out of memory).
std::string Table_failed(const std::string& file_name);

// The page's choice of the output's delimiter: what it is called, and each
// delimiter's word with its caption.
struct Delimiter_choice {
    std::string Word;
    std::string Caption;
};
struct Output_delimiter_choices {
    std::string Caption;
    std::vector<Delimiter_choice> Items;
};
Output_delimiter_choices The_output_delimiter_choices();

// separator: the decimal separator of values quoted in refused rows' errors;
// output_delimiter: the word of the output's delimiter, or empty for the
// delimiter that the table itself is read with, so that the user's
// spreadsheet opens the results as it wrote the table.
Table_outcome Run_table(const std::string& file_name, const std::string& bytes, char separator,
                        const std::string& output_delimiter, const Table_output& output);
