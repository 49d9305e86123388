// The texts of the picture. Every number is written as the report writes it
// (the same decimals, the user's decimal separator), so what the picture
// says can be read against the report, except where those decimals would
// not show the value (only zeros for a value that is not 0, or more digits
// than a label can hold): there the picture gives significant digits.
#pragma once

#include <string>

#include "Plot_subject.h"

struct Plot_texts {
    std::string Title;         // the program's title
    std::string Inputs;        // "SD = 10, N = 20, Case A = 50, Case B = 30; 95% two-sided limit"
    std::string Difference;    // "Case A - Case B = 20.000"
    std::string Percentage;    // "8.6739% of pairs of controls"
    std::string Percentage_meaning;  // "differ more, in the same direction"
    std::string P_value;       // "one-tailed p = 0.086739"
    std::string Density_axis;  // "Density: t on 19 df"
    std::string Raw_axis;      // what the raw axis measures, with the SD of the difference
    std::string Effect_axis;   // the Z-PCC axis with the estimate and its credible limits
    std::string Description;   // the same numbers in one sentence
};

Plot_texts Texts_for(const Plot_subject& subject);

// A number of the picture: `fixed`, the report's text of value, where it
// shows the value in at most Longest_fixed_number characters; otherwise
// Picture_significant_digits significant digits (the %.Pg form) with the
// separator, an exponent written as a power of ten: 3.456 × 10⁻⁶.
std::string Picture_number(Extended value, const std::string& fixed, char separator);
inline constexpr std::size_t Longest_fixed_number = 16;
inline constexpr int Picture_significant_digits = 4;

// A tick label: the value, a multiple of a round step of 10^step_exponent
// times 1, 2 or 5, with the decimals the step needs while they are few and
// the integer digits few, and otherwise in the %.3g form, an exponent as a
// power of ten (a tick value has at most three significant digits).
std::string Tick_text(Extended value, int step_exponent, char separator);
