// The platform's current default printer, for every window that prints, and
// the check that a job on it was accepted.
#pragma once

#include <QPrinterInfo>

class QPrinter;

// The default printer; raises std::runtime_error("There is no default
// printer currently selected") when there is none.
QPrinterInfo Default_printer_info();

// After the painter of a job has ended: raises std::runtime_error when the
// printer's scheduler refused the job. Nothing to check for a job written to
// a file.
void Check_job_accepted(const QPrinter& printer);
