// The numbers of a table run as text (Format_general): twelve significant digits, the
// precision the table prints, in the shortest of fixed and scientific
// notation with a full stop whatever the locale; "inf", "-inf" and "nan" as
// std::to_chars writes them.
#pragma once

#include "Extended.h"
#include "Number_format.h"

inline constexpr int Table_significant_digits = 12;

General_number_text Table_number(Extended value);

// The same characters written at `at`, which has General_number_room
// characters of room; returns their end.
inline char* Write_table_number(char* at, const Extended& value)
{
    return Write_general_number(at, value, Table_significant_digits);
}
