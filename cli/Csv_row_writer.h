// The table's rows as comma-separated values: a header of the echoed input
// columns, the result columns (and the summary columns when asked for) and error, then per row the inputs as given,
// the numbers (Table_number; empty for a refused row and for a limit that
// the row's limits leave out) and the error.
#pragma once

#include "Batch_row.h"

class Csv_row_writer : public Row_writer {
public:
    using Row_writer::Row_writer;

    void Begin(const std::vector<std::string>& echoed_columns, Text_sink& out) override;
    void Write(const Batch_row& row, Text_sink& out) const override;
};
