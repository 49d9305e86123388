// The output formats of a table run, with one table of their names, and the
// writer for each.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "Batch_row.h"
#include "Joined_text.h"
#include "Output_delimiter.h"

enum class Output_format { Csv, Jsonl };

struct Output_format_name {
    Output_format Value;
    std::string_view Word;  // on the command line
};

inline constexpr std::array<Output_format_name, 2> Output_format_table = {{
    {Output_format::Csv, "csv"},
    {Output_format::Jsonl, "jsonl"},
}};

// The words joined by '|', for messages and usage lines.
inline constexpr std::string_view Output_format_words = Joined_words<Output_format_table>;

// The format a word names (exactly as in the table); empty for any other text.
std::optional<Output_format> Output_format_from_word(std::string_view word);

// The writer of the format, with the summary columns or without them; the
// delimiter is that of CSV (JSON Lines has none).
std::unique_ptr<Row_writer> Make_row_writer(Output_format format, Output_delimiter delimiter,
                                            bool summary_columns = false);
