// The table's rows as comma-separated values: the header of the column
// table, then per row the inputs as given, the limits applied, the numbers
// (full stop, 12 significant digits; empty for a refused row) and the error.
#pragma once

#include <ostream>

#include "Batch_row.h"

class Csv_row_writer : public Row_writer {
public:
    explicit Csv_row_writer(std::ostream& out);

    void Begin() override;
    void Write(const Batch_row& row) override;

private:
    std::ostream& out_;
};
