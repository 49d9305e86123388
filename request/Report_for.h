// The report request for one comparison, made the same way by every front
// end: the comparison is run, and the report gets the program's title, the
// notes caption, the limits and level asked for and the inputs as given.
// Whether the results text already holds a line is the caller's to set.
#pragma once

#include <string>
#include <vector>

#include "Comparison_request_step.h"
#include "Report.h"

// The four texts under the worksheet's captions, in slot order.
std::vector<Report_input> Captioned_inputs(const Comparison_texts& texts);

// The notes lines: each note split at its line breaks (CR LF, CR or LF).
std::vector<std::string> Notes_lines(const std::vector<std::string>& notes);

// Runs the comparison; its errors pass through unchanged.
Report_request Report_for(const Comparison_request& comparison, std::vector<Report_input> inputs,
                          std::vector<std::string> notes, char decimal_separator);
