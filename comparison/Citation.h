// The reference to the paper that the program accompanies, held once and used
// by the report and by the worksheet's description text.
#pragma once

#include <string_view>

// The two citation lines of the report, each beginning with one blank.
inline constexpr std::string_view Citation_line_1 =
    " The accompanying paper: \"Bayesian inferential methods for comparing the scores of";
inline constexpr std::string_view Citation_line_2 =
    " two single-cases in case-controls designs\" (the paper that this program accompanies).";

// The same reference as it follows "the paper by " in the worksheet's
// description text, ending in a full stop.
inline constexpr std::string_view Citation_sentence =
    "the authors of \"Bayesian inferential methods for comparing the scores of "
    "two single-cases in case-controls designs\" (the accompanying paper).";
