#include "Help_text.h"

#include <algorithm>

#include "Batch_row.h"
#include "Command_line.h"
#include "Exit_status.h"

namespace {

constexpr std::size_t Option_column_width = 34;

std::string Option_line(const Option& option)
{
    std::string left = "  " + std::string(option.Name);
    if (!option.Value.empty())
        left += " " + std::string(option.Value);
    left.resize(std::max(left.size() + 1, Option_column_width), ' ');
    return left + std::string(option.Meaning) + "\n";
}

// The result columns that only rows with limits on that side fill.
std::string Columns_filled_for(Filled_for side)
{
    std::string names;
    for (const Result_column& column : Result_columns)
        if (column.Filled == side)
            names += (names.empty() ? " " : " and ") + std::string(column.Name);
    return names;
}

}  // namespace

std::string Help_text()
{
    std::string text =
        "voran-report compares the scores of two single cases with a control sample (its SD and N) and "
        "writes the report of the desktop program, or compares each row of a table.\n"
        "\nExamples:\n"
        "  voran-report --sd 10 --n 20 --case-a 50 --case-b 30\n"
        "  voran-report --csv patients.csv > results.csv\n\n" +
        std::string(Usage_line) + "\n\nOptions:\n";
    for (const Option& option : Options)
        text += Option_line(option);

    text += "\nNumbers (--sd, --n, --case-a, --case-b and the table's cells) are read as the worksheet reads "
            "them, except that a blank between two characters of a number is refused.\n";
    text += "\nLimits (--limits and the table's limits column, in any case):";
    for (const Limits_names& names : Limits_table)
        text += " " + std::string(names.Word);
    text += "\n\nTable (--csv): the first row names the columns, in any order and case:";
    for (const std::string_view name : Input_columns)
        text += " " + std::string(name);
    text += " (required), " + std::string(Limits_column) +
            " (optional; empty means two-sided), each once; every other column is passed through, "
            "whatever its name (it may be empty or repeat another's).\n"
            "Passed-through fields are written as read: a spreadsheet may run one that begins with = + - or @ "
            "as a formula; import the output with its columns as text.\n"
            "A comma inside a number is read as a decimal point. Blank lines and lines of delimiters "
            "only are skipped.\n"
            "Output columns: the input columns in their places, " +
            std::string(Limits_column) + " when the input has none, then";
    for (const Result_column& column : Result_columns)
        text += " " + std::string(column.Name);
    text += " " + std::string(Error_column) + ".\nWith --summary, the columns " + std::string(Summary_columns[0]) +
            " and " + std::string(Summary_columns[1]) + " come before " + std::string(Error_column) + ".\n";
    text += "A one-sided row fills only the limits asked for (lower:" + Columns_filled_for(Filled_for::Lower_side) +
            "; upper:" + Columns_filled_for(Filled_for::Upper_side) +
            "); the other two are empty (null in JSON Lines). A two-sided row fills all four.\n";
    text += "\nExit status:\n";
    for (const Exit_status_meaning& status : Exit_status_table)
        text += "  " + std::to_string(Exit_code(status.Status)) + "\t" +
                std::string(status.Meaning) + "\n";
    return text;
}
