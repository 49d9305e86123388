// The exit statuses of voran-report, in one place, each with what it means
// for --help.
#pragma once

#include <array>
#include <string_view>

enum Exit_status : int {
    Done = 0,                // the report was written; every table row passed
    Some_rows_refused = 1,   // a table run wrote an error row for some input rows
    Input_refused = 2,       // a single report's input was refused
    Comparison_failed = 3,   // the comparison raised an error at extreme inputs
    Usage_error_status = 64, // the command line is wrong
    Malformed_csv = 65,      // the table's first row cannot serve as its header
    Input_unreadable = 66,   // the table cannot be opened or read
    Output_failed = 74,      // the output could not be written
    Interrupted = 130,       // a table run stopped by SIGINT after the rows in hand
    Terminated = 143,        // a table run stopped by SIGTERM after the rows in hand
};

struct Exit_status_meaning {
    Exit_status Status;
    std::string_view Meaning;
};

inline constexpr std::array<Exit_status_meaning, 10> Exit_status_table = {{
    {Done, "done; every table row passed"},
    {Some_rows_refused, "some table rows were refused (their error column says why)"},
    {Input_refused, "an input was refused (the worksheet's message on standard error)"},
    {Comparison_failed, "the comparison failed at extreme inputs"},
    {Usage_error_status, "the command line is wrong"},
    {Malformed_csv, "the table's first row cannot serve as its header"},
    {Input_unreadable, "the table cannot be opened or read"},
    {Output_failed, "the output, or the --plot picture (after the report), could not be written"},
    {Interrupted, "a table run was interrupted (SIGINT); every row written is whole"},
    {Terminated, "a table run was terminated (SIGTERM); every row written is whole"},
}};
