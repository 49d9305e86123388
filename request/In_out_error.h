// An input/output error, carrying the system's or the reader's message.
#pragma once

#include <stdexcept>

class EIn_out_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
