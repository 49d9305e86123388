// The control data file: the eight input texts, each followed by one blank,
// no line ends. Reading treats the file as numbers separated by white space
// (any run of codes 0 to 32). This part holds the format and the reader; the
// worksheet window does the file operations.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <istream>
#include <string>

#include "In_out_error.h"

// The file's contents for the eight entries: each entry with its separator
// characters (codes 0 to 32, blanks above all) removed, so that it reads back
// as the one number that "Compute" read from it, followed by one blank.
std::string Control_data_text(const std::array<std::string, 8>& entries);

// The leading input slots that the control data restore: SD and N. The
// worksheet opens with the focus on the slot after them (Case A), or on SD
// when nothing was restored.
inline constexpr int Restored_slot_count = 2;

// The most bytes a control data file holds: eight short texts and their
// blanks take a few dozen, a hand-edited file a few lines more. A larger file
// is damaged control data.
inline constexpr std::size_t Control_data_size_limit = 4096;

// The file's whole contents, taken through read_some(buffer, size), which
// fills at most size bytes of buffer and returns how many it filled, 0 at the
// end. At most Control_data_size_limit + 1 bytes are ever asked for: a file
// with more raises EIn_out_error("Invalid numeric input") as a damaged one.
std::string Read_control_data(const std::function<std::size_t(char* buffer, std::size_t size)>& read_some);

// Reads the next number: skips codes 0 to 32, takes the characters up to the
// next such code or the end, and parses a decimal number (optional sign,
// digits, optional point and digits, optional exponent). The end of the file
// gives 0. Anything else, a number text of more than 64 characters, or a
// number beyond the range of a double, raises
// EIn_out_error("Invalid numeric input"); nothing of a longer text is taken
// beyond its 64th character.
double Read_control_number(std::istream& in);

// A restored value as the field shows it: "%1.6g" with a full stop.
std::string Restored_text(double value);
