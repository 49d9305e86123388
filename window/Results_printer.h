// Printing of the results text, as the results viewer sees it: one print job
// on the default printer for a text whose lines are separated by CR LF, or a
// PDF document of the text for reading. Failures (no default printer, a job that
// cannot be opened, drawn or ended) raise an exception with a clear message.
#pragma once

#include <string>

class Results_printer {
public:
    virtual ~Results_printer() = default;
    virtual void Print(const std::string& text) = 0;
    // The bytes of a PDF document of the text, with page margins, the
    // report's columns across the page, reports kept whole on a page where
    // they fit, and page numbers and the date in a footer.
    virtual std::string Pdf_document(const std::string& text) = 0;
};
