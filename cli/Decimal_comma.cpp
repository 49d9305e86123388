#include "Decimal_comma.h"

#include <algorithm>

namespace {

void Read_commas_as_points(std::string& text) { std::replace(text.begin(), text.end(), ',', '.'); }

}  // namespace

std::string Comma_as_point(std::string text)
{
    Read_commas_as_points(text);
    return text;
}

void Read_commas_as_points(Comparison_texts& texts)
{
    for (std::string* text : {&texts.SD, &texts.N, &texts.Case_A, &texts.Case_B})
        Read_commas_as_points(*text);
}
