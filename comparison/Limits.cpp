#include "Limits.h"

#include <stdexcept>
#include <string>

#include "Table_entry.h"

const Limits_names& Names_of(Limits limits)
{
    const auto* names = Entry_with(Limits_table, &Limits_names::Value, limits);
    if (!names)
        throw std::invalid_argument("credible-limit choice " +
                                    std::to_string(static_cast<int>(limits)) + " is unknown");
    return *names;
}

Limits Limits_of_item(int item)
{
    if (item < 0)
        throw std::out_of_range("radio item " + std::to_string(item) + " chooses no credible limits");
    return Limits_table.at(static_cast<std::size_t>(item)).Value;
}

std::optional<Limits> Limits_from_word(std::string_view word)
{
    return Field_of_entry_with(Limits_table, &Limits_names::Word, word, &Limits_names::Value);
}
