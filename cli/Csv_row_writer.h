// The table's rows as delimiter-separated values: a header of the echoed
// input columns, the result columns (and the summary columns when asked
// for) and error, then per row the inputs as
// given, the numbers (Table_number; empty for a refused row and for a limit
// that the row's limits leave out) and the error. Separated by commas, the
// output is the plain CSV that programs read; separated otherwise, it is
// meant for a spreadsheet: the numbers take the delimiter's decimal point,
// and an echoed text that the spreadsheet would evaluate as a formula is
// written after an apostrophe, which keeps it a text.
#pragma once

#include "Batch_row.h"
#include "Output_delimiter.h"

class Csv_row_writer : public Row_writer {
public:
    explicit Csv_row_writer(Output_delimiter delimiter = Output_delimiter::Comma, bool summary_columns = false);

    void Begin(const std::vector<std::string>& echoed_columns, Text_sink& out) override;
    void Write(const Batch_row& row, Text_sink& out) const override;

private:
    void Write_echoed(std::string_view text, Text_sink& out) const;

    char Delimiter_;
    char Decimal_point_;
    bool For_spreadsheet_;
};
