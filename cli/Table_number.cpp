#include "Table_number.h"

#include <charconv>

std::string Table_number(Extended value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general,
                                      Table_significant_digits);
    return std::string(text, result.ptr);
}
