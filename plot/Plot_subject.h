// What one picture shows: the comparison as asked for, every number it
// yielded, the program's title for the caption and the user's decimal
// separator for every number written on it.
#pragma once

#include <string>

#include "Comparison.h"

struct Plot_subject {
    std::string Title;
    Comparison_request Request;
    Comparison_result Result;
    char Decimal_separator = '.';
};
