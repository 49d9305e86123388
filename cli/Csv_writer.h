// Writing delimiter-separated values: one record a line, LF line ends, a
// field quoted only when it holds the delimiter (a comma unless told
// otherwise), a double quote, CR or LF, or begins with the bytes of a UTF-8
// byte-order mark.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Text_sink.h"

void Write_csv_field(Text_sink& out, std::string_view text, char delimiter = ',');

// Whether a spreadsheet opening the text as a cell would evaluate it as a
// formula: it begins with '=', '+' or '@', or with '-' not followed by a
// number ("-4" and "-.5" are numbers, "-A1+1" a formula).
bool Spreadsheet_reads_as_formula(std::string_view text);

void Write_csv_record(std::ostream& out, const std::vector<std::string>& fields);
