// The keyboard conventions that both windows share, as the platform's own
// edit fields and buttons behave:
// - the program, when it moves the focus into an input field (at start-up,
//   on the return from the results viewer, after a refused entry), selects
//   the field's whole text, so that what the user types next replaces it;
//   Tab does the same; a mouse click still places the cursor;
// - Return and the keypad's Enter press the focused button;
// - Tab leaves a multi-line text box for the next control, and Ctrl+Tab
//   types a tab character into it.
#pragma once

class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Puts the focus in the field with its whole text selected.
void Focus_input(QLineEdit& field);

// Return and Enter press whichever of the window's buttons has the focus.
void Return_presses_buttons(QWidget& window);

// Tab moves on from the box, Ctrl+Tab types a tab character into it.
void Tab_leaves_text_box(QPlainTextEdit& box);
