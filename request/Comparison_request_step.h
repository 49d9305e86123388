// The request step that every front end goes through: the four input texts
// are read and checked as the worksheet's "Compute" does it, in the order SD,
// N, Case A, Case B (the numeric reader for each, the SD check after SD, the
// sample-size check after N), and the result is either the comparison to run
// or the first refusal: which field, and the warning's text. Nothing is shown
// here; the front end shows the refusal its own way. Input_error is set by the
// numeric reader as for the worksheet.
#pragma once

#include <string>
#include <variant>

#include "Comparison.h"
#include "Metrics_Papers.h"

struct Comparison_texts {
    std::string SD;
    std::string N;
    std::string Case_A;
    std::string Case_B;
};

// The four fields in reading order; the value is the input slot's index.
enum class Input_field { SD = 0, N = 1, Case_A = 2, Case_B = 3 };

struct Input_refusal {
    Input_field Field = Input_field::SD;
    std::string Message;  // lines broken with a lone CR
};

using Request_or_refusal = std::variant<Comparison_request, Input_refusal>;

// separator: the decimal separator of values quoted in refusals.
// inner_blanks: the worksheet skips a blank inside a number; the front ends
// that read texts typed or pasted elsewhere refuse it (Metrics_Papers.h).
Request_or_refusal Read_comparison_request(const Comparison_texts& texts, Limits limits,
                                           Extended level, char separator,
                                           Inner_blanks inner_blanks = Inner_blanks::Skipped);
