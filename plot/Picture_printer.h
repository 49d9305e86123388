// Printing of the picture, as the plot window sees it: one job of one page on
// the default printer. Failures (no default printer, a job that cannot be
// started or ended) raise an exception with a clear message.
#pragma once

#include <memory>

#include "Plot_subject.h"

class QPrinter;

class Picture_printer {
public:
    virtual ~Picture_printer() = default;
    virtual void Print(const Plot_subject& subject) = 0;
};

// The platform's current default printer, looked up at every Print; the page
// in landscape.
std::unique_ptr<Picture_printer> Make_default_picture_printer();

// One job on printer: the picture across the printable width, in the
// proportions of a saved picture (shorter if the page is), its fonts at their
// size on the screen.
void Print_picture(QPrinter& printer, const Plot_subject& subject);
