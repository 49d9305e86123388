// A decimal comma read as a point, as the worksheet's key filter turns a
// typed comma into a full stop, so that "50,5" from a spreadsheet export or
// a command line reads as 50.5. Only the reading changes: reports and tables
// echo the texts as given.
#pragma once

#include <string>

#include "Comparison_request_step.h"

std::string Comma_as_point(std::string text);

// Makes every comma of the four texts a full stop.
void Read_commas_as_points(Comparison_texts& texts);
