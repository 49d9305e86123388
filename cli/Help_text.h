// The text of voran-report --help: the usage line, every option, the limits
// words, the table's columns and the exit statuses, all from their tables.
#pragma once

#include <string>

std::string Help_text();
