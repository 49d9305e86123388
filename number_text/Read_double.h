// std::from_chars for a double: the longest prefix of [first, last) in the
// C locale's decimal form (an optional minus sign, digits with an optional
// point, an optional exponent; no blank, no plus sign), whatever the current
// locale; result_out_of_range when that number lies beyond a double's range.
//
// Where the standard library lacks from_chars for floating point (libc++
// before 17, as in the WebAssembly build), the prefix is found here and
// converted through a stream in the classic locale; the words "inf" and
// "nan", which no caller accepts, are then not read.
#pragma once

#include <charconv>

std::from_chars_result Read_double(const char* first, const char* last, double& value);
