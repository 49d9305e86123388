// The picture of a comparison for --plot, written as PNG or SVG by the file
// name's extension with no display needed. A build without the toolkit has
// no picture writer and refuses the option when it is used.
#pragma once

#include <string>

#include "Comparison.h"

// Raises an exception whose message says why when the file is not written.
void Write_plot(const std::string& path, const Comparison_request& request, const Comparison_result& result,
                char decimal_separator);
