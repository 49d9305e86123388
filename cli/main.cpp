// voran-report: the two-case comparison's report, or a table of comparisons,
// from the command line. The exit statuses are those of Exit_status.h.
#include <cerrno>
#include <clocale>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Batch.h"
#include "Build_info.h"
#include "Command_line.h"
#include "Csv_reader.h"
#include "Csv_row_writer.h"
#include "Exit_status.h"
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

Exit_status Run_batch_file(const std::string& path, char separator)
{
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            std::cerr << "voran-report: cannot open " << path << ": " << std::strerror(errno)
                      << '\n';
            return Input_unreadable;
        }
    }
    try {
        Csv_row_writer writer(std::cout);
        return Run_batch(path == "-" ? std::cin : file, writer, separator);
    } catch (const Csv_error& error) {
        std::cout.flush();
        std::cerr << "voran-report: " << (path == "-" ? "standard input" : path) << ", "
                  << error.what() << '\n';
        return Malformed_csv;
    }
}

Exit_status Run(const Command& command, char separator)
{
    switch (command.What) {
    case Command::Kind::Help:
        std::cout << Usage_line << '\n';
        return Done;
    case Command::Kind::Version:
        std::cout << "voran-report " << Program_version << '\n';
        return Done;
    case Command::Kind::Single:
        return Run_single_report(command.Single, separator, std::cout, std::cerr);
    case Command::Kind::Batch:
        return Run_batch_file(command.Csv_path, separator);
    }
    return Usage_error_status;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const char separator = Locale_decimal_separator();
    Set_decimal_separator(separator);

    Command command;
    try {
        command = Parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const Usage_error& error) {
        std::cerr << "voran-report: " << error.what() << ". " << Usage_line << '\n';
        return Usage_error_status;
    }
    const int status = Run(command, separator);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "voran-report: the output could not be written\n";
        return Output_failed;
    }
    return status;
}
