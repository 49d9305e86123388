// The worksheet's input fields in the page: the key filter on each typed or
// pasted character and the six-character limit after each key release and
// paste, both by the request step's own routines, so that the page refuses
// what the worksheet refuses with the same words.
#pragma once

#include <string>

struct Key_verdict {
    std::string Text;     // the characters to insert, or the field's new text
    bool Beep = false;
    std::string Warning;  // the message to show (LF line breaks); empty for none
};

// The typed or pasted characters (UTF-8) through the key filter: the
// accepted ones, a comma turned into a full stop, in Text. A character
// outside ASCII or a control character (a pasted tab or line end, which the
// filter lets pass only as editing keys) can be no part of a number and is
// refused like a letter.
Key_verdict Filter_typed_text(const std::string& typed);

// A field's text after a key release: longer than six characters, it is cut
// to six with the worksheet's warning; otherwise it stays, and no warning.
Key_verdict Limit_field_length(const std::string& text);
