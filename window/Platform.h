// What the windows ask of the windowing system, behind one small interface so
// that every handler runs against a recording fake in tests; Qt_platform
// realises it for the desktop program. Besides the beep and the warning box
// of User_messages: the confirmation box, the error report and the save
// dialog. Texts are UTF-8; message texts break lines with a lone CR (code 13).
#pragma once

#include <optional>
#include <string>

#include "Error_report.h"
#include "User_messages.h"

class Platform : public User_messages {
public:
    // Modal confirmation box: title "Confirm", question icon, "&Yes" and "&No".
    // True for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // The application's report of an uncaught error: modal error box titled
    // with the application's name; text as made by Error_report_text.
    virtual void Show_error(const std::string& text) = 0;
    // The save-file dialog (default "results.txt", filter "*.txt", asks before
    // overwriting, remembers the last name). Empty when the user cancels.
    virtual std::optional<std::string> Ask_save_file_name() = 0;
    // The same dialog proposing proposed_name and showing the files that
    // match filter (patterns separated by blanks: "*.png *.svg"); it asks
    // before overwriting and adds no extension. Empty when the user cancels.
    virtual std::optional<std::string> Ask_save_file_name_for(const std::string& proposed_name,
                                                              const std::string& filter) = 0;
};
