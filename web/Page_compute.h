// The worksheet's "Compute" for the page: the worksheet's step
// (Worksheet_compute.h), as the desktop program runs it, with the page's
// texts. The page passes texts in and shows what comes back: a refusal (its
// field and warning), an error report, or the report to append to the
// results text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Comparison_request_step.h"
#include "Plot_subject.h"

struct Compute_input {
    Comparison_texts Texts;   // as typed
    int Limits_item = 0;      // the radio item: 0 two-sided, 1 lower, 2 upper
    std::string Notes;        // the notes field's text, lines broken by LF
    std::string Results;      // the results text as it stands (LF line breaks)
    char Decimal_separator = '.';
};

struct Compute_outcome {
    int Refused_field = -1;    // the refused input's slot (0 to 3), or -1
    std::string Warning;       // the refusal's message (LF line breaks)
    std::string Control_data;  // what to keep as the control data when the inputs passed
    std::string Error;         // the error report's text when the comparison failed
    std::string Addition;      // the text to append to the results (LF line breaks)
    std::optional<Plot_subject> Comparison;  // the comparison reported, as its plot shows it
};

Compute_outcome Compute(const Compute_input& input);

// The notes field's lines as the report lists them: the text split at its
// line breaks; an empty field gives none, and a break at the very end opens
// no line of its own.
std::vector<std::string> Notes_field_lines(const std::string& notes);
