#include "Fixed_text.h"

#include <iomanip>
#include <locale>
#include <sstream>

std::string Fixed_text(Extended value, int decimals)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(decimals) << value;
    return std::move(text).str();
}
