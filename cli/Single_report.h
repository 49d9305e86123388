// One comparison from the command line: the report exactly as the desktop
// program appends it to an empty results text.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Comparison_request_step.h"
#include "Exit_status.h"
#include "Summary_language.h"

struct Single_request {
    Comparison_texts Texts;  // as given; the INPUTS lines echo them
    Limits Limits_kind = Limits::Two_sided;
    Extended Level = Default_level;  // credible level in percent
    std::vector<std::string> Notes;  // the notes, each one or more lines
    std::string Plot_path;           // the picture's file (.png or .svg); empty for none
    std::optional<Summary_language> Summary;  // the summary instead of the report; empty for the report
};

// Reads and checks the inputs (a decimal comma read as a point), compares,
// writes the report's lines (or the summary's two lines), each ending in LF, to out, and then the picture
// when a plot file is asked for; each line break in a note (CR LF, CR or LF)
// starts a new notes line. A refused input writes its message to err (each
// CR a line break) and a comparison that raises writes the error report to
// err; in both cases nothing reaches out. A picture that cannot be written
// writes why to err after the report. Returns Done, Input_refused,
// Comparison_failed or Output_failed (the picture).
Exit_status Run_single_report(const Single_request& request, char decimal_separator,
                              std::ostream& out, std::ostream& err);
