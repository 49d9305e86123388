// What the page shows of the input routines' messages: the default beep and
// the warning's text. The routines break lines with a lone CR, which a
// browser does not show as a break; the page gets LF instead.
#pragma once

#include <string>

#include "User_messages.h"

// The text as the page shows it: every CR a LF.
std::string Shown_text(std::string text);

// Keeps the first warning (one dialog per event, as the desktop's modal box
// stops the event) and whether a beep was asked for.
class Page_messages : public User_messages {
public:
    void Beep() override { Beeped = true; }
    void Show_warning(const std::string& text) override;

    bool Beeped = false;
    std::string Warning;  // as shown; empty when nothing was said
};
