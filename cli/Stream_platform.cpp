#include "Stream_platform.h"

#include <utility>

Stream_platform::Stream_platform(std::ostream& out, char line_break, std::string terminator)
    : Out(out), Line_break(line_break), Terminator(std::move(terminator))
{
}

void Stream_platform::Beep() {}

void Stream_platform::Show_warning(const std::string& text)
{
    for (const char c : text)
        Out << (c == '\r' ? Line_break : c);
    Out << Terminator;
}

bool Stream_platform::Confirm(const std::string&)
{
    return false;
}

void Stream_platform::Show_error(const std::string& text)
{
    Show_warning(text);
}

std::optional<std::string> Stream_platform::Ask_save_file_name()
{
    return std::nullopt;
}
