// The file that "Save Output" writes from the results text: every line
// followed by CR LF, as the desktop writes it. The page's text area holds
// lines broken by LF; the break after the last line opens no line of its own.
#pragma once

#include <string>

std::string Results_file_contents(const std::string& text);
