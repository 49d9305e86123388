// The exit statuses of voran-report, in one place, each with what it means
// for --help.
#pragma once

#include <array>
#include <string_view>

enum class Exit_status : int {
    Done = 0,               // the report was written; every table row passed
    Some_rows_refused = 1,  // a table run wrote an error row for some input rows
    Input_refused = 2,      // a single report's input was refused
    Comparison_failed = 3,  // the comparison raised an error at extreme inputs
    Usage_error = 64,       // the command line is wrong
    Malformed_csv = 65,     // the table's first row cannot serve as its header
    Input_unreadable = 66,  // the table cannot be opened or read
    Output_failed = 74,     // the output could not be written
    Interrupted = 130,      // a table run stopped by SIGINT after the rows in hand
    Terminated = 143,       // a table run stopped by SIGTERM after the rows in hand
};

// The status as the process's exit code.
constexpr int Exit_code(Exit_status status) { return static_cast<int>(status); }

struct Exit_status_meaning {
    Exit_status Status;
    std::string_view Meaning;
};

inline constexpr std::array<Exit_status_meaning, 10> Exit_status_table = {{
    {Exit_status::Done, "done; every table row passed"},
    {Exit_status::Some_rows_refused, "some table rows were refused (their error column says why)"},
    {Exit_status::Input_refused, "an input was refused (the worksheet's message on standard error)"},
    {Exit_status::Comparison_failed, "the comparison failed at extreme inputs"},
    {Exit_status::Usage_error, "the command line is wrong"},
    {Exit_status::Malformed_csv, "the table's first row cannot serve as its header"},
    {Exit_status::Input_unreadable, "the table cannot be opened or read"},
    {Exit_status::Output_failed, "the output, or the --plot picture (after the report), could not be written"},
    {Exit_status::Interrupted, "a table run was interrupted (SIGINT) after the rows in hand"},
    {Exit_status::Terminated, "a table run was terminated (SIGTERM) after the rows in hand"},
}};
