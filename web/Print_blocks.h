// The results text cut into the blocks that print on a page each where they
// fit: a new block begins at every separator line, so that each report
// after the first prints with its separator and is not split across pages.
#pragma once

#include <string>
#include <vector>

// The blocks in order; joined, they give the text again.
std::vector<std::string> Print_blocks(const std::string& text);
