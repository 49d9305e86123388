// Printing of the results text, as the results viewer sees it: one print job
// on the default printer for a text whose lines are separated by CR LF.
// Failures (no default printer, a job that cannot be opened, drawn or ended)
// raise an exception with a clear message.
#pragma once

#include <string>

class Results_printer {
public:
    virtual ~Results_printer() = default;
    virtual void Print(const std::string& text) = 0;
};
