// The program-wide strings, set once by the program entry before any window
// exists (Set_program_strings) and never changed afterwards, and the fixed
// captions of the worksheet that messages and reports quote.
#pragma once

#include <array>
#include <string>
#include <string_view>

extern std::string Program_title;
extern std::string Data_file_name;

// Sets Program_title and Data_file_name to the program's values.
void Set_program_strings();

// The captions of input slots 1 to 4: SD, N, Case A and Case B.
inline constexpr std::array<std::string_view, 4> Input_captions = {
    "Standard deviation of scores in the control sample:",
    "Sample size of the control sample:",
    "Test score for Case A:",
    "Test score for Case B:",
};

// The caption of the notes label.
inline constexpr std::string_view Notes_caption = "User's Notes:";
