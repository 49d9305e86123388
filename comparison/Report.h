// Composition of the plain-text report that "Compute" appends to the results.
// Pure functions: everything the report depends on is passed in, and the
// numbers are written with the decimal separator given in the request.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Comparison.h"
#include "Number_format.h"

// The report's width in columns: its separator line of underscores, above
// each report that follows another, is this wide, and so are its longest
// lines; only the heading with the program's title runs beyond it.
inline constexpr int Report_columns = 103;

// The separator line above each report that follows another.
std::string Report_separator();
// Whether a line of the results (without its line end) is a separator.
bool Is_report_separator(std::string_view line);

// One visible input of the worksheet: its label's caption and its edit text.
struct Report_input {
    std::string Caption;
    std::string Text;
};

struct Report_request {
    bool Results_hold_a_line = false;     // the results text already has a line
    std::string Program_title;
    std::string Notes_caption;            // caption of the notes label
    std::vector<std::string> Notes_lines; // notes as the notes field displays them
    std::vector<Report_input> Inputs;     // visible inputs in slot order
    Limits Limits_kind = Limits::Two_sided;
    Extended Level = Default_level;       // credible level in percent, as computed
    Comparison_result Result;
    char Decimal_separator = '.';
};

// The decimals of the report's numbers (the P of its %W.Pf patterns); a
// picture of the comparison writes the same numbers with the same decimals.
struct Report_decimals {
    static constexpr int Difference = 3;   // the raw difference and its SD
    static constexpr int Df = 0;
    static constexpr int Probability = 6;  // the one- and two-tailed p
    static constexpr int Effect_size = 3;  // and its credible limits
    static constexpr int Percentage = 4;   // and its credible limits
};

// The report's lines, in order, without line ends.
std::vector<std::string> Compose_report(const Report_request& request);

// The credible level as the report states it: a whole number without
// decimals (95), otherwise with every decimal it needs to be the level given
// (97.5, 99.9999995).
std::string Level_text(Extended level, char separator);

// " " + caption (trimmed of blanks, up to its last colon) + "= " + text.
std::string Format_input_line(const std::string& caption, const std::string& text);
