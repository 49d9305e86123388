// The texts of the picture. Every number is written as the report writes it
// (the same decimals, the user's decimal separator), so what the picture
// says can be read against the report.
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
