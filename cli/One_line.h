// Text from the user's table or command line inside a message: the table's
// error column, and every message on standard error, which is often a
// terminal, where control characters would move the cursor, clear the screen
// or retitle the window.
#pragma once

#include <string>
#include <string_view>

// The text on one line: every control character (CR, LF, NUL, escape,
// delete, and U+0080 to U+009F as UTF-8 writes them) a blank.
std::string One_line(std::string_view text);
