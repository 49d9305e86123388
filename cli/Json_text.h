// Pieces of JSON text (RFC 8259).
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "Extended.h"
#include "Text_sink.h"

// A JSON string of text: quote, backslash and control characters escaped;
// a byte that does not begin a well-formed UTF-8 character becomes U+FFFD,
// so that the output is always valid UTF-8.
void Write_json_string(Text_sink& out, std::string_view text);

// A table number as JSON: the double that the table's twelve significant
// digits (Table_number) read back as, in the shortest text that reads back to
// that same double; null for an infinity or NaN. A value beyond the range of
// a double (a tail probability below 1e-308) keeps the table's digits.
std::string Json_number(Extended value);
