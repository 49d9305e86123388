// Where a table's columns stand, found by name in its first row. The first
// row must name sd, n, case_a and case_b and may name limits, each once;
// names are compared without regard to case and surrounding blanks. Every
// other column (a patient's ID, a task's name, an unnamed one, two named
// note) is passed through in its place.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Csv_reader.h"

// A first row that cannot serve as the table's header.
class ETable_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Table_layout {
    std::size_t Column_count = 0;           // columns of the input
    std::array<std::size_t, 4> Input_at{};  // where sd, n, case_a and case_b stand
    std::optional<std::size_t> Limits_at;   // where limits stands, when the table has it
    // The echoed columns of the output: every input column in its place, the
    // named ones under their own names and the others as the first row names
    // them, then limits when the table has no such column.
    std::vector<std::string> Echoed_names;
};

// The name as compared: surrounding blanks and tabs removed, ASCII letters in
// lower case.
std::string Column_key(std::string_view name);

// Column names with a comma and a blank between each two: "sd, n, case_a,
// case_b", as messages and help name them.
std::string Comma_separated(const std::vector<std::string_view>& names);

// The layout that the first row gives; raises ETable_error when the row is
// broken, has more columns than the reader keeps or more than 64 KiB of
// names, lacks a required name
// (the message names every missing one), names a column that it reads twice
// or names one of the result columns (the summary columns too when the output
// has them).
Table_layout Layout_of_header(const Csv_record& header, bool summary_columns = false);
