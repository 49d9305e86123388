// What "Compute" needs of the results viewer, so that the worksheet does not
// depend on the viewer's window class: whether its text holds a line, showing
// it with its caption, and appending the report's lines.
#pragma once

#include <string>
#include <vector>

class Results_window {
public:
    virtual ~Results_window() = default;

    // True when the text holds at least one line.
    virtual bool Holds_a_line() const = 0;
    virtual void Show_window() = 0;
    virtual void Set_caption(const std::string& caption) = 0;
    // Appends each line at the end of the text, on a line of its own.
    virtual void Append_lines(const std::vector<std::string>& lines) = 0;
};
