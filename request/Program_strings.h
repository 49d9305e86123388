// The program's fixed strings: its name and title, the name of the control
// data file, the worksheet's captions that messages and reports quote, the
// buttons' captions and the message boxes' titles, for the desktop windows
// and the web page alike.
#pragma once

#include <array>
#include <string_view>

#include "Citation.h"

namespace program_strings_detail {
inline constexpr std::string_view Title_lead = "VORAN.EXE: ";
}  // namespace program_strings_detail

// The program's title is the accompanying paper's.
inline constexpr std::string_view Program_title = Joined_parts<program_strings_detail::Title_lead, Paper_title>;

// The program's short name: the application's, the error box's title.
inline constexpr std::string_view Program_name = "VORAN";

// The titles of the message boxes: the input routines' warning and the
// error report.
inline constexpr std::string_view Warning_box_title = "Warning";
inline constexpr std::string_view Error_box_title = Program_name;

inline constexpr std::string_view Data_file_name = "VORAN.txt";

// The captions of input slots 1 to 4: SD, N, Case A and Case B.
inline constexpr std::array<std::string_view, 4> Input_captions = {
    "Standard deviation of scores in the control sample:",
    "Sample size of the control sample:",
    "Test score for Case A:",
    "Test score for Case B:",
};

// The caption of the notes label, and the most characters the notes hold.
inline constexpr std::string_view Notes_caption = "User's Notes:";
inline constexpr int Notes_max_length = 250;

// The choice of the credible limits and its items, in the order of the
// radio items (0 two-sided, 1 lower, 2 upper).
inline constexpr std::string_view Limits_choice_caption = "95% limits required...";
inline constexpr std::array<std::string_view, 3> Limits_item_captions = {
    "Two-sided",
    "One-sided Lower",
    "One-sided Upper",
};

// The worksheet's buttons, the results viewer's, and the name that "Save
// Output" proposes.
inline constexpr std::string_view Compute_caption = "Compute";
inline constexpr std::string_view Clear_data_caption = "Clear Data ";
inline constexpr std::string_view Save_output_caption = "Save Output";
inline constexpr std::string_view Clear_results_caption = "Clear Results";
// The plot window's title, and the heading of the page's plot.
inline constexpr std::string_view Plot_window_title = "Plot of the last comparison";
inline constexpr std::string_view Results_file_name = "results.txt";

// The name of the box with the description text, where the web page lets
// the keyboard scroll it.
inline constexpr std::string_view Description_box_name = "Instructions";

// The words of "page N of M" at the foot of every page of the results as
// the PDF document and the web page's print give them: the first before
// the page's number, the second between it and the number of pages.
inline constexpr std::string_view Page_number_lead = "page ";
inline constexpr std::string_view Page_count_lead = " of ";

// The summary of a comparison: the desktop window's title, the caption of
// the choice of its language, and on the web page the region with the key
// figures and the button that copies the summary.
inline constexpr std::string_view Summary_window_title = "Summary of the last comparison";
inline constexpr std::string_view Summary_language_caption = "Language of the summary";
inline constexpr std::string_view Result_region_name = "Result";
inline constexpr std::string_view Copy_summary_caption = "Copy summary";
inline constexpr std::string_view Summary_copied = "The summary is on the clipboard.";
inline constexpr std::string_view Summary_not_copied = "The summary could not be copied; select it and copy it.";
