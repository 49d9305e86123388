// The command line of voran-report:
//   voran-report --sd TEXT --n TEXT --case-a TEXT --case-b TEXT
//                [--limits two-sided|lower|upper] [--level P] [--note LINE]... [--plot FILE]
//                [--summary en|de|fr|es|it|nl]
//   voran-report --csv FILE|- [--delimiter CHAR] [--output-delimiter CHAR] [--format csv|jsonl]
//                [--level P] [--jobs N] [--summary en|de|fr|es|it|nl]
//   voran-report --help
//   voran-report --version
// An option's value is the next argument, taken as it stands even when it
// begins with '-' (a negative score), or follows '=' in the same argument.
// No arguments at all ask for the help.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Output_format.h"
#include "Single_report.h"

class EUsage_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace usage_detail {
inline constexpr std::string_view Single = "usage: voran-report --sd TEXT --n TEXT --case-a TEXT --case-b TEXT [--limits ";
inline constexpr std::string_view Table =
    "] [--level P] [--note LINE]... [--plot FILE] [--summary LANG] | --csv FILE|- [--delimiter CHAR] [--output-delimiter CHAR] [--format ";
inline constexpr std::string_view Alone = "] [--level P] [--jobs N] [--summary LANG] | --help | --version";
}  // namespace usage_detail

// The usage line, with the words of the limits' and the formats' tables.
inline constexpr std::string_view Usage_line =
    Joined_parts<usage_detail::Single, Limits_words, usage_detail::Table, Output_format_words, usage_detail::Alone>;

// The line after a usage error's message, which says what is wrong.
inline constexpr std::string_view Usage_hint = "Try 'voran-report --help'.";

// Where an option belongs: a single report, a table run, both, or alone on
// the command line.
enum class Option_use { Single, Table, Both, Alone };

struct Option {
    std::string_view Name;
    std::string_view Value;  // what its value is, for --help; empty for none
    Option_use Use;
    std::string_view Meaning;
};

// Every option, in the order --help lists them.
inline constexpr std::array<Option, 16> Options = {{
    {"--sd", "TEXT", Option_use::Single, "standard deviation of scores in the control sample"},
    {"--n", "TEXT", Option_use::Single, "sample size of the control sample"},
    {"--case-a", "TEXT", Option_use::Single, "test score for Case A"},
    {"--case-b", "TEXT", Option_use::Single, "test score for Case B"},
    {"--limits", Limits_words, Option_use::Single, "the credible limits (two-sided unless given)"},
    {"--note", "LINE", Option_use::Single, "a line of the user's notes; may be given again"},
    {"--plot", "FILE", Option_use::Single, "also the picture of the comparison, PNG or SVG by the name's extension, after the report"},
    {"--level", "P", Option_use::Both, "credible level in percent, 50 <= P < 100 (95 unless given)"},
    {"--csv", "FILE|-", Option_use::Table, "a table of comparisons, - for standard input"},
    {"--delimiter", "CHAR", Option_use::Table,
     "the table's delimiter, one character or tab (unless given: a semicolon when its first line has "
     "semicolons and no comma, a tab when it has tabs and neither, otherwise a comma)"},
    {"--output-delimiter", "CHAR", Option_use::Table,
     "the delimiter of the CSV output: , (unless given), ; (numbers with decimal commas) or tab; "
     "separated otherwise than by commas, a passed-through text that a spreadsheet would read as "
     "a formula gets a leading apostrophe"},
    {"--format", Output_format_words, Option_use::Table, "the output of a table run (csv unless given)"},
    {"--summary", Summary_language_words, Option_use::Both,
     "instead of the report, its summary in that language: the sentences on one line, the statistics line on the "
     "next; with --csv, the columns summary and statistics after the numbers"},
    {"--jobs", "N", Option_use::Table,
     "threads computing the table's rows, 1 to 256 (the processors available unless given); rows stay in input order"},
    {"--help", "", Option_use::Alone, "this text"},
    {"--version", "", Option_use::Alone, "the program's version"},
}};

// A table run as asked for.
struct Table_request {
    std::string Csv_path;  // "-" for standard input
    std::optional<char> Delimiter;
    Output_delimiter Output_delimiter_kind = Output_delimiter::Comma;
    Output_format Format = Output_format::Csv;
    Extended Level = Default_level;
    std::optional<unsigned> Jobs;  // empty: the processors available
    std::optional<Summary_language> Summary;  // the summary columns' language; empty for none
};

inline constexpr unsigned Max_jobs = 256;

struct Command {
    enum class Kind { Help, Version, Single, Batch };
    Kind What = Kind::Single;
    Single_request Single;
    Table_request Table;
};

// The command for the arguments after the program's name; raises EUsage_error
// saying what is wrong.
Command Parse_command_line(const std::vector<std::string>& arguments);

// The credible level that a --level text gives: a decimal comma read as a
// point; raises EUsage_error unless it is a number from 50 up to but not
// including 100.
Extended Level_from_text(const std::string& text);
