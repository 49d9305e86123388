// The table's rows as JSON Lines: one object per input row, holding the
// echoed input columns as strings, each result as a number (Json_number) or
// null for a refused row, and "error": null when the row passed, the message
// otherwise. Keys in the order of the CSV's columns.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "Batch_row.h"

class Jsonl_row_writer : public Row_writer {
public:
    explicit Jsonl_row_writer(std::ostream& out);

    void Begin(const std::vector<std::string>& echoed_columns) override;
    void Write(const Batch_row& row) override;

private:
    std::ostream& out_;
    std::vector<std::string> keys_;  // each echoed column's key, written once: "name":
};
