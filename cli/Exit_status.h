// The exit statuses of voran-report, in one place.
#pragma once

enum Exit_status : int {
    Done = 0,                // the report was written; every table row passed
    Some_rows_refused = 1,   // a table run wrote an error row for some input rows
    Input_refused = 2,       // a single report's input was refused
    Comparison_failed = 3,   // the comparison raised an error at extreme inputs
    Usage_error_status = 64, // the command line is wrong
    Malformed_csv = 65,      // the table is not well-formed CSV
    Input_unreadable = 66,   // the table's file cannot be opened
    Output_failed = 74,      // the output could not be written
};
