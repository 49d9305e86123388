// The text of the application's report of an uncaught error.
#pragma once

#include <string>

// The error's message with a full stop appended when the message is not
// empty and its last character sorts after '.'.
std::string Error_report_text(const std::string& message);
