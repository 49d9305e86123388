// What the input routines say to the user: the default beep and a modal
// warning box (title "Warning", exclamation icon, one OK button). The window
// layer's platform implements it for the windows; the request step collects
// the refusal's text instead of showing it. Texts are UTF-8; message texts
// break lines with a lone CR (code 13).
#pragma once

#include <string>

class User_messages {
public:
    virtual ~User_messages() = default;

    virtual void Beep() = 0;
    virtual void Show_warning(const std::string& text) = 0;
};
