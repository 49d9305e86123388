// A table of comparisons for the page: the bytes of a file the user chose,
// run through voran-report's table code, giving the CSV that
// `voran-report --csv` writes for that file, and what the page shows of it.
// A file that cannot serve as a table gives a message instead.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The largest table the page reads.
inline constexpr double Largest_table_bytes = 50e6;

// Rows of the result shown on the page; the download holds them all.
inline constexpr std::size_t Shown_table_rows = 1000;

struct Table_outcome {
    std::string Message;    // why the file cannot serve as a table; empty when it ran
    std::string Csv;        // the output, as voran-report --csv --output-delimiter DELIMITER writes it
    std::string Delimiter;  // the output delimiter's word
    std::string Rows_json;  // the header and the first shown rows: a JSON array of arrays of strings
    std::string Summary;    // how many rows, how many refused, how many shown
};

// Why a file of this size is not read, or empty when it may be.
std::string Table_size_refusal(const std::string& file_name, double bytes);

// What the page says when the browser cannot read the chosen file.
std::string Table_unreadable(const std::string& file_name);

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
                        const std::string& output_delimiter = "");
