// Which buttons a window's title bar carries: the window's flags for every
// platform, and on X11 the Motif window-manager hints as well, which window
// managers honour over the flags' own translation (that translation adds a
// maximise function to a window with a minimise button, and leaves every
// function to a window without buttons).
#pragma once

#include <string_view>

class QWidget;

enum class Title_buttons {
    Maximise,            // the results viewer, resizable
    Minimise_and_close,  // the worksheet
    Close,               // message boxes
};

std::string_view Name(Title_buttons buttons);

// Gives the window its title-bar buttons (keeping its window type) and
// renews the X11 hints every time the window is shown. Moving and the
// system menu stay; resizing and maximising come only with Maximise.
void Set_title_buttons(QWidget& window, Title_buttons buttons);

// The Motif hints' five words (flags, functions, decorations, input mode,
// status) for the choice.
struct Motif_hints {
    unsigned Flags;
    unsigned Functions;
    unsigned Decorations;
    unsigned Input_mode;
    unsigned Status;
};
Motif_hints Motif_hints_for(Title_buttons buttons);
