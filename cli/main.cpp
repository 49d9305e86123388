// voran-report: the two-case comparison's report, or a table of comparisons,
// from the command line. The exit statuses are those of Exit_status.h.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Batch.h"
#include "Build_info.h"
#include "Command_line.h"
#include "Exit_status.h"
#include "Help_text.h"
#include "Single_report.h"
#include "distrib.h"

namespace {

// The user's decimal separator from LC_NUMERIC; a full stop when the locale's
// separator is not a single byte.
char Locale_decimal_separator()
{
    if (!std::setlocale(LC_ALL, ""))
        std::setlocale(LC_ALL, "C");
    const char* point = std::localeconv()->decimal_point;
    return point && point[0] != '\0' && point[1] == '\0' ? point[0] : '.';
}

// Whether the table comes from a regular file; anything else (a pipe, a
// terminal, a socket) may be a program waiting for each row's answer.
bool Is_regular_file(const std::string& path)
{
    struct stat status {};
    const int result = path == "-" ? fstat(STDIN_FILENO, &status) : stat(path.c_str(), &status);
    return result == 0 && S_ISREG(status.st_mode);
}

Exit_status Run_batch_file(const Table_request& table, char separator)
{
    const bool from_standard_input = table.Csv_path == "-";
    const std::string source = from_standard_input ? "standard input" : table.Csv_path;
    std::ifstream file;
    if (!from_standard_input) {
        file.open(table.Csv_path, std::ios::binary);
        if (!file) {
            std::cerr << "voran-report: cannot open " << source << ": " << std::strerror(errno)
                      << '\n';
            return Exit_status::Input_unreadable;
        }
    }
    Batch_options options;
    options.Delimiter = table.Delimiter;
    options.Format = table.Format;
    options.Level = table.Level;
    options.Decimal_separator = separator;
    options.Flush_each_row = !Is_regular_file(table.Csv_path);
    try {
        return Run_batch(from_standard_input ? std::cin : file, std::cout, options);
    } catch (const ETable_error& error) {
        std::cout.flush();
        std::cerr << "voran-report: " << source << ", " << error.what() << '\n';
        return Exit_status::Malformed_csv;
    } catch (const std::ios_base::failure& error) {
        // A directory, a closed standard input or a failing device.
        std::cout.flush();
        std::cerr << "voran-report: cannot read " << source << ": "
                  << (error.code() ? error.code().message() : std::string(error.what())) << '\n';
        return Exit_status::Input_unreadable;
    }
}

Exit_status Run(const Command& command, char separator)
{
    switch (command.What) {
    case Command::Kind::Help:
        std::cout << Help_text();
        return Exit_status::Done;
    case Command::Kind::Version:
        std::cout << "voran-report " << Program_version << '\n';
        return Exit_status::Done;
    case Command::Kind::Single:
        return Run_single_report(command.Single, separator, std::cout, std::cerr);
    case Command::Kind::Batch:
        return Run_batch_file(command.Table, separator);
    }
    return Exit_status::Usage_error;
}

}  // namespace

int main(int argc, char** argv)
{
    // A reader that has gone away is a failed write (status 74), not a signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const char separator = Locale_decimal_separator();
    Set_decimal_separator(separator);

    Command command;
    try {
        command = Parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const EUsage_error& error) {
        std::cerr << "voran-report: " << error.what() << ". " << Usage_line << '\n';
        return Exit_code(Exit_status::Usage_error);
    }
    const Exit_status status = Run(command, separator);
    std::cout.flush();
    // A failed picture has said so itself; a failed standard output is said
    // here, whatever the run's status.
    if (!std::cout) {
        std::cerr << "voran-report: the output could not be written\n";
        return Exit_code(Exit_status::Output_failed);
    }
    return Exit_code(status);
}
