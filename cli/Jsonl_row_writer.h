// The table's rows as JSON Lines: one object per input row, holding the
// echoed input columns as strings, each result as a number (Json_number) or
// null for a refused row and for a limit that the row's limits leave out,
// and "error": null when the row passed, the message otherwise. Keys in the
// order of the CSV's columns, each once: a passed-through column whose name
// an earlier one has taken (two columns named note) is keyed with the first
// free "_2", "_3" ... after its name, since readers of JSON keep only one
// value of a key that repeats.
#pragma once

#include <string>
#include <vector>

#include "Batch_row.h"

class Jsonl_row_writer : public Row_writer {
public:
    using Row_writer::Row_writer;

    void Begin(const std::vector<std::string>& echoed_columns, Text_sink& out) override;
    void Write(const Batch_row& row, Text_sink& out) const override;

private:
    std::vector<std::string> keys_;  // each echoed column's key, written once: "name":
};
