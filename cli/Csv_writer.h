// Writing comma-separated values: one record a line, LF line ends, a field
// quoted only when it holds a comma, a double quote, CR or LF, or begins
// with the bytes of a UTF-8 byte-order mark.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Text_sink.h"

void Write_csv_field(Text_sink& out, std::string_view text);

void Write_csv_record(std::ostream& out, const std::vector<std::string>& fields);
