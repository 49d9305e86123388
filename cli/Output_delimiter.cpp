#include "Output_delimiter.h"

#include <stdexcept>
#include <string>

#include "Table_entry.h"

const Output_delimiter_name& Names_of(Output_delimiter delimiter)
{
    const auto* names = Entry_with(Output_delimiter_table, &Output_delimiter_name::Value, delimiter);
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
    if (!character)
        return std::nullopt;
    return Field_of_entry_with(Output_delimiter_table, &Output_delimiter_name::Delimiter, *character,
                               &Output_delimiter_name::Value);
}

Output_delimiter Output_delimiter_like(char input_delimiter)
{
    return Field_of_entry_with(Output_delimiter_table, &Output_delimiter_name::Delimiter, input_delimiter,
                               &Output_delimiter_name::Value)
        .value_or(Output_delimiter::Comma);
}
