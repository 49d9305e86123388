// The file that "Save Output" writes from the results text, in every
// edition: every line followed by CR LF. The text holds lines broken by LF
// (as a text view gives them); the break after the last line opens no line
// of its own, and lines that a view merely wraps stay whole.
#pragma once

#include <string>

std::string Results_file_contents(const std::string& text);
