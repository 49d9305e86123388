// The program-wide strings, set once by the program entry before any window
// exists (Set_program_strings) and never changed afterwards.
#pragma once

#include <string>

extern std::string Program_title;
extern std::string Data_file_name;

// Sets Program_title and Data_file_name to the program's values.
void Set_program_strings();
