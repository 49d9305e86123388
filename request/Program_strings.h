// The program's fixed strings: its title, the name of the control data file,
// and the worksheet's captions that messages and reports quote.
#pragma once

#include <array>
#include <string_view>

#include "Citation.h"

namespace program_strings_detail {
inline constexpr std::string_view Title_lead = "VORAN.EXE: ";
}  // namespace program_strings_detail

// The program's title is the accompanying paper's.
inline constexpr std::string_view Program_title = Joined_parts<program_strings_detail::Title_lead, Paper_title>;

inline constexpr std::string_view Data_file_name = "VORAN.txt";

// The captions of input slots 1 to 4: SD, N, Case A and Case B.
inline constexpr std::array<std::string_view, 4> Input_captions = {
    "Standard deviation of scores in the control sample:",
    "Sample size of the control sample:",
    "Test score for Case A:",
    "Test score for Case B:",
};

// The caption of the notes label.
inline constexpr std::string_view Notes_caption = "User's Notes:";
