// A reader of comma-separated values after RFC 4180: fields separated by
// commas, records ended by CR LF, LF or a lone CR; a field that begins with a
// double quote runs to the matching closing quote and may hold commas, line
// breaks and doubled quotes (each standing for one quote). A quote inside an
// unquoted field is an ordinary character.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

// Malformed input: a quoted field that is never closed, or characters between
// a closing quote and the next comma or line end.
class Csv_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Csv_reader {
public:
    explicit Csv_reader(std::istream& in);

    // Reads the next record into fields; false, with fields untouched, at the
    // end of the input. A blank line gives one empty field.
    bool Next_record(std::vector<std::string>& fields);

private:
    std::streambuf& Input;
    long Line = 1;  // the line being read, counted from 1, for messages
};
