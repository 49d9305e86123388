// The platform's current default printer as a Results_printer: the viewer's
// fixed-pitch font at 8 points, one job per Print, no dialog; and the same
// layout as a PDF document.
#pragma once

#include <QString>

#include <memory>
#include <string>

#include "Results_printer.h"

class QPrinter;

// font_family: the family of the results viewer's font.
std::unique_ptr<Results_printer> Make_default_printer(const std::string& font_family);

// A printer that writes a PDF document to path, on the default printer's
// page (size, orientation and margins) when there is a default printer, so
// that its pages are those of the printout; on the toolkit's default page
// otherwise.
void Set_up_pdf_printer(QPrinter& printer, const QString& path);
