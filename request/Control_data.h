// The control data file: the eight input texts, each followed by one blank,
// no line ends. Reading treats the file as numbers separated by white space
// (any run of codes 0 to 32). This part holds the format and the reader; the
// worksheet window does the file operations.
#pragma once

#include <array>
#include <istream>
#include <string>

#include "In_out_error.h"

// The file's contents for the eight entries: each entry with its separator
// characters (codes 0 to 32, blanks above all) removed, so that it reads back
// as the one number that "Compute" read from it, followed by one blank.
std::string Control_data_text(const std::array<std::string, 8>& entries);

// Reads the next number: skips codes 0 to 32, takes at most 64 characters up to
// the next such code or the end, and parses a decimal number (optional sign,
// digits, optional point and digits, optional exponent). The end of the file
// gives 0. Anything else, or a number beyond the range of a double, raises
// EIn_out_error("Invalid numeric input").
double Read_control_number(std::istream& in);

// A restored value as the field shows it: "%1.6g" with a full stop.
std::string Restored_text(double value);
