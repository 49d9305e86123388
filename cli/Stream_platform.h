// The command-line tool's Platform: there are no windows, so every warning or
// error text is written at once to a stream, each lone CR replaced by a chosen
// character (a line break for the terminal, a blank for a CSV field), and
// followed by a chosen terminator. The beep is silent and nothing is asked.
#pragma once

#include <ostream>
#include <string>

#include "Platform.h"

class Stream_platform : public Platform {
public:
    Stream_platform(std::ostream& out, char line_break, std::string terminator);

    void Beep() override;
    void Show_warning(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void Show_error(const std::string& text) override;
    std::optional<std::string> Ask_save_file_name() override;

private:
    std::ostream& Out;
    char Line_break;
    std::string Terminator;
};
