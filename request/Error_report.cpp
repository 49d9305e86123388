#include "Error_report.h"

std::string Error_report_text(const std::string& message)
{
    // The comparison is by character code, so any letter, digit or closing
    // bracket gets a full stop, while a text ending in '.', '!', ')' and the
    // like keeps its own ending.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}
