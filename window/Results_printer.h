// Printing of the results text, as the results viewer sees it: one print job
// on the default printer for a text whose lines are separated by CR LF, or
// the same pages as a PDF document. Failures (no default printer, a job that
// cannot be opened, drawn or ended) raise an exception with a clear message.
#pragma once

#include <string>

class Results_printer {
public:
    virtual ~Results_printer() = default;
    virtual void Print(const std::string& text) = 0;
    // The bytes of a PDF document of the text, laid out on its pages exactly
    // as Print lays it out.
    virtual std::string Pdf_document(const std::string& text) = 0;
};
