// voran-report: the two-case comparison's report, or a table of comparisons,
// from the command line. Statuses: 0 done; 1 some CSV rows refused; 2 an input
// refused; 3 the comparison failed; 64 usage; 65 malformed CSV; 66 unreadable
// input file; 74 output not written.
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
#include "Program_strings.h"
#include "Single_report.h"
#include "distrib.h"

namespace {

constexpr int Malformed_csv = 65;
constexpr int Input_unreadable = 66;
constexpr int Output_failed = 74;

// The user's decimal separator from LC_NUMERIC; a full stop when the locale's
// separator is not a single byte.
char Locale_decimal_separator()
{
    if (!std::setlocale(LC_ALL, ""))
        std::setlocale(LC_ALL, "C");
    const char* point = std::localeconv()->decimal_point;
    return point && point[0] != '\0' && point[1] == '\0' ? point[0] : '.';
}

int Run_batch_file(const std::string& path)
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
        return Run_batch(path == "-" ? std::cin : file, std::cout);
    } catch (const Csv_error& error) {
        std::cout.flush();
        std::cerr << "voran-report: " << (path == "-" ? "standard input" : path) << ", "
                  << error.what() << '\n';
        return Malformed_csv;
    }
}

int Run(const Command& command, char separator)
{
    switch (command.What) {
    case Command::Kind::Help:
        std::cout << Usage_line << '\n';
        return 0;
    case Command::Kind::Version:
        std::cout << "voran-report " << Program_version << '\n';
        return 0;
    case Command::Kind::Single:
        return Run_single_report(command.Single, separator, std::cout, std::cerr);
    case Command::Kind::Batch:
        return Run_batch_file(command.Csv_path);
    }
    return Usage_status;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    Set_program_strings();
    const char separator = Locale_decimal_separator();
    Set_decimal_separator(separator);

    Command command;
    try {
        command = Parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const Usage_error& error) {
        std::cerr << "voran-report: " << error.what() << ". " << Usage_line << '\n';
        return Usage_status;
    }
    const int status = Run(command, separator);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "voran-report: the output could not be written\n";
        return Output_failed;
    }
    return status;
}
