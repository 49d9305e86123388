// The picture of a comparison for --plot, written as PNG or SVG by the file
// name's extension with no display needed. A build without the toolkit
// writes SVG and refuses PNG.
#pragma once

#include <string>

#include "Comparison.h"

// Raises an exception whose message says why when the file is not written.
void Write_plot(const std::string& path, const Comparison_request& request, const Comparison_result& result,
                char decimal_separator);
