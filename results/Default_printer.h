// The platform's current default printer as a Results_printer: the viewer's
// fixed-pitch font at 8 points, one job per Print, no dialog; and the results
// document of Results_pdf on that printer's paper.
#pragma once

#include <memory>
#include <string>

#include "Results_printer.h"

// font_family: the family of the results viewer's font.
std::unique_ptr<Results_printer> Make_default_printer(const std::string& font_family);
