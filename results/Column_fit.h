// Keeps a number of columns of the fixed-pitch text of a text box on one line
// of the box, whatever the screen's scale. A fixed-pitch font's advance is a
// fraction of its size (0.6 em for Courier New: 7.2 pixels at 12 pixels), so
// the columns that a 96 dpi layout gave whole 7-pixel advances can be wider
// than the box's text width. When they are, the letter spacing is narrowed by
// the difference, shared evenly among the columns: the glyphs keep their size
// and the columns still line up. Longer lines still wrap. The fit is made
// again whenever the box's text area changes size.
#pragma once

class QPlainTextEdit;

void Keep_columns_on_a_line(QPlainTextEdit& text, int columns);
