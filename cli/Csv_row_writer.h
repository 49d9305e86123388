// The table's rows as comma-separated values: a header of the echoed input
// columns, the result columns and error, then per row the inputs as given,
// the numbers (Table_number; empty for a refused row) and the error.
#pragma once

#include <ostream>

#include "Batch_row.h"

class Csv_row_writer : public Row_writer {
public:
    explicit Csv_row_writer(std::ostream& out);

    void Begin(const std::vector<std::string>& echoed_columns) override;
    void Write(const Batch_row& row) override;

private:
    std::ostream& out_;
};
