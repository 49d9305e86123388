// One comparison from the command line: the report exactly as the desktop
// program appends it to an empty results text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "Comparison_inputs.h"

struct Single_request {
    Comparison_texts Texts;
    int Choice = 0;                  // radio item index: 0 two-sided, 1 lower, 2 upper
    std::vector<std::string> Notes;  // the notes lines
};

// Exit statuses of a single report.
inline constexpr int Report_written = 0;
inline constexpr int Input_refused = 2;
inline constexpr int Comparison_failed = 3;

// Reads and checks the inputs, compares and writes the report's lines, each
// ending in LF, to out. A refused input writes its message to err (each CR a
// line break); a comparison that raises writes the error report to err. In
// both cases nothing reaches out. Returns one of the statuses above.
int Run_single_report(const Single_request& request, char decimal_separator, std::ostream& out,
                      std::ostream& err);
