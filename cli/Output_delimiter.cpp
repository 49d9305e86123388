#include "Output_delimiter.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

template <typename Match>
const Output_delimiter_name* Find_name(Match match)
{
    const auto entry = std::find_if(Output_delimiter_table.begin(), Output_delimiter_table.end(), match);
    return entry == Output_delimiter_table.end() ? nullptr : &*entry;
}

}  // namespace

const Output_delimiter_name& Names_of(Output_delimiter delimiter)
{
    const auto* names = Find_name([delimiter](const Output_delimiter_name& name) { return name.Value == delimiter; });
    if (!names)
        throw std::invalid_argument("output delimiter " + std::to_string(static_cast<int>(delimiter)) +
                                    " is unknown");
    return *names;
}

std::optional<char> Delimiter_from_word(std::string_view word)
{
    if (word == Names_of(Output_delimiter::Tab).Word)
        return '\t';
    if (word.size() == 1)
        return word.front();
    return std::nullopt;
}

std::optional<Output_delimiter> Output_delimiter_from_word(std::string_view word)
{
    const auto character = Delimiter_from_word(word);
    const auto* names = Find_name([character](const Output_delimiter_name& name) {
        return character && name.Delimiter == *character;
    });
    if (!names)
        return std::nullopt;
    return names->Value;
}

Output_delimiter Output_delimiter_like(char input_delimiter)
{
    const auto* names = Find_name(
        [input_delimiter](const Output_delimiter_name& name) { return name.Delimiter == input_delimiter; });
    return names ? names->Value : Output_delimiter::Comma;
}
