// The worksheet's "Compute" without its windows, as the desktop worksheet and
// the web page both run it: the four texts read and checked in the
// worksheet's order (Comparison_request_step.h), the control data kept once
// all four passed, then the comparison run and its report composed for the
// results text. The front end reads its fields, shows a refusal's warning and
// puts the focus on its field, keeps the control data its own way and places
// the report.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "Comparison_request_step.h"
#include "Limits.h"

struct Worksheet_entries {
    Comparison_texts Texts{};                // the four fields as typed
    Limits Limits_kind = Limits::Two_sided;  // the radio group's choice
    std::vector<std::string> Notes_lines{};  // the notes as the field shows them
    bool Results_hold_a_line = false;        // whether the results text holds a line
    char Decimal_separator = '.';            // of the report's numbers and the refusals' values
};

// A report made: the lines the results text gains and the comparison behind them.
struct Worksheet_report {
    Comparison_request Request;
    Comparison_result Result;
    std::vector<std::string> Lines;
};

using Worksheet_outcome = std::variant<Input_refusal, Worksheet_report>;

// keep_control_data runs once the four entries passed and before the
// comparison: an error raised there (a control data file that cannot be
// written) ends the request with no comparison, and a comparison that fails
// at extreme inputs leaves the control data kept. Errors pass to the caller.
Worksheet_outcome Compute_on_worksheet(const Worksheet_entries& entries,
                                       const std::function<void()>& keep_control_data);
