// What the windows ask of the windowing system, behind one small interface so
// that every handler runs against a recording fake in tests. The desktop
// program implements it with Qt; the command-line tool with the terminal.
// Texts are UTF-8; message texts break lines with a lone CR (code 13).
#pragma once

#include <optional>
#include <string>

class Platform {
public:
    virtual ~Platform() = default;

    // The default beep.
    virtual void Beep() = 0;
    // Modal warning box: title "Warning", exclamation icon, one OK button.
    virtual void Show_warning(const std::string& text) = 0;
    // Modal confirmation box: title "Confirm", question icon, "&Yes" and "&No".
    // True for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // The application's report of an uncaught error: modal error box titled
    // with the application's name; text as made by Error_report_text.
    virtual void Show_error(const std::string& text) = 0;
    // The save-file dialog (default "results.txt", filter "*.txt", asks before
    // overwriting, remembers the last name). Empty when the user cancels.
    virtual std::optional<std::string> Ask_save_file_name() = 0;
};

// The text of the error report for an error's message: a full stop is appended
// when the message is not empty and its last character sorts after '.'.
std::string Error_report_text(const std::string& message);
