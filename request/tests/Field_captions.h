// The captions of the worksheet's fields as a refusal names them, written
// out as the user reads them.
#pragma once

#include <string>

inline const std::string Case_A_caption = "Test score for Case A:";
inline const std::string Sd_caption = "Standard deviation of scores in the control sample:";
inline const std::string N_caption = "Sample size of the control sample:";
