// Helpers of the worksheet's notes box: its length limit, its lines as they
// appear on screen, and showing only whole lines.
#pragma once

#include <string>
#include <vector>

class QPlainTextEdit;

// Refuses text beyond max_length characters: whatever an edit inserts past
// the limit (typed or pasted) is cut from the end of the insertion.
void Limit_text_length(QPlainTextEdit& edit, int max_length);

// The text's lines as the box displays them: each line that the box wraps at
// its right edge counts as a line of its own; an empty last line (after a
// final line break) is not counted.
std::vector<std::string> Displayed_lines(const QPlainTextEdit& edit);

// The box shows whole lines only: a line that its lower edge would cut (the
// second line of a box one line high) is covered with the box's background
// until the box grows or scrolls to show it whole.
void Show_whole_lines(QPlainTextEdit& edit);
