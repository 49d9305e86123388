// Reading a PDF back with poppler's tools, for the printing tests.
#pragma once

#include <string>
#include <vector>

// Standard output of a shell command.
std::string Run(const std::string& command);

// True when pdfinfo and pdftotext can be run.
bool Poppler_available();

// The page count that pdfinfo reports.
int Page_count(const std::string& pdf);

// The non-empty lines of each page, as pdftotext -layout reads them,
// trailing blanks removed.
std::vector<std::vector<std::string>> Page_lines(const std::string& pdf);
