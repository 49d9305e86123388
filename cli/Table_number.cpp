#include "Table_number.h"

#include "Number_format.h"

std::string Table_number(Extended value)
{
    return Format_general(value, Table_significant_digits);
}
