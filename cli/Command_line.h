// The command line of voran-report:
//   voran-report --sd TEXT --n TEXT --case-a TEXT --case-b TEXT
//                [--limits two-sided|lower|upper] [--note LINE]... [--plot FILE]
//   voran-report --csv FILE|-
//   voran-report --help
//   voran-report --version
// An option's value is the next argument, taken as it stands even when it
// begins with '-' (a negative score), or follows '=' in the same argument.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Single_report.h"

class Usage_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view Usage_line =
    "usage: voran-report --sd TEXT --n TEXT --case-a TEXT --case-b TEXT "
    "[--limits two-sided|lower|upper] [--note LINE]... [--plot FILE] | --csv FILE|- | --help | --version";

struct Command {
    enum class Kind { Help, Version, Single, Batch };
    Kind What = Kind::Single;
    Single_request Single;
    std::string Csv_path;  // "-" for standard input
};

// The command for the arguments after the program's name; raises Usage_error
// saying what is wrong.
Command Parse_command_line(const std::vector<std::string>& arguments);
