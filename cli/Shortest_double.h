// The shortest text of a double that reads back to it: what
// std::to_chars(first, last, value) writes (the fewest significant digits
// that round-trip, the nearest such decimal to the exact value, in fixed or
// scientific notation, whichever is shorter, fixed on a tie; "-0", "inf",
// "nan" as there).
#pragma once

#include <string>

std::string Shortest_double_text(double value);
