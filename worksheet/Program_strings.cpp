#include "Program_strings.h"

std::string Program_title;
std::string Data_file_name;

void Set_program_strings()
{
    Program_title =
        "VORAN.EXE: Bayesian inferential methods for comparing the scores of two "
        "single-cases in case-controls designs";
    Data_file_name = "VORAN.txt";
}
