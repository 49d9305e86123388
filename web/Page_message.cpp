#include "Page_message.h"

#include <algorithm>

std::string Shown_text(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

void Page_messages::Show_warning(const std::string& text)
{
    if (Warning.empty())
        Warning = Shown_text(text);
}
