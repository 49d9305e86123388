#include "Decimal_comma.h"

#include <algorithm>
#include <utility>

std::string Comma_as_point(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

Comparison_texts Comma_as_point(Comparison_texts texts)
{
    for (std::string* text : {&texts.SD, &texts.N, &texts.Case_A, &texts.Case_B})
        *text = Comma_as_point(std::move(*text));
    return texts;
}
