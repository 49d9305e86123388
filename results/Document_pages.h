// The pages of the results document that "Save as PDF..." writes: the text
// laid out in lines of at most a given number of columns on pages of a given
// number of lines, so that a report is never split when it fits on a page.
// No toolkit: the page's lines are counted, not measured.
//
// The text is UTF-8 with CR LF (or LF) line ends; a column is one character.
// Tabs move to the next stop (stops every 8 columns); a form feed starts a
// new page. A line longer than the columns (blanks at its end not counted,
// and left out beyond the columns) is broken after its last blank within
// them (or at the columns when it has none there) and continues on the next
// line. The text falls into reports, each beginning at a separator line
// (the report's width of underscores) or at the start of the text. A report
// that does not fit on the rest of the page starts on a new page; one longer
// than a whole page then runs on over as many pages as it needs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

using Document_page = std::vector<std::string>;

// The pages, each a list of lines without line ends; at least one page.
std::vector<Document_page> Document_pages(std::string_view text, int columns, int lines_per_page);
