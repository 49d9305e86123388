// The shortest text of a double that reads back to it: what
// std::to_chars(first, last, value) writes (the fewest significant digits
// that round-trip, the nearest such decimal to the exact value, in fixed or
// scientific notation, whichever is shorter, fixed on a tie; "-0", "inf",
// "nan" as there), or with Double_notation::Fixed what
// std::to_chars(first, last, value, std::chars_format::fixed) writes (the
// same digits in fixed notation).
#pragma once

#include <string>

enum class Double_notation { Shortest, Fixed };

std::string Shortest_double_text(double value, Double_notation notation = Double_notation::Shortest);
