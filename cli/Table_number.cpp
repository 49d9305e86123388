#include "Table_number.h"

General_number_text Table_number(Extended value)
{
    return General_number(value, Table_significant_digits);
}
