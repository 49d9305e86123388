#include "Limits.h"

#include <algorithm>
#include <stdexcept>
#include <string>

const Limits_names& Names_of(Limits limits)
{
    const auto entry = std::find_if(Limits_table.begin(), Limits_table.end(),
                                    [limits](const Limits_names& names) { return names.Value == limits; });
    if (entry == Limits_table.end())
        throw std::invalid_argument("credible-limit choice " +
                                    std::to_string(static_cast<int>(limits)) + " is unknown");
    return *entry;
}

Limits Limits_of_item(int item)
{
    if (item < 0)
        throw std::out_of_range("radio item " + std::to_string(item) + " chooses no credible limits");
    return Limits_table.at(static_cast<std::size_t>(item)).Value;
}

std::optional<Limits> Limits_from_word(std::string_view word)
{
    const auto entry = std::find_if(Limits_table.begin(), Limits_table.end(),
                                    [word](const Limits_names& names) { return names.Word == word; });
    if (entry == Limits_table.end())
        return std::nullopt;
    return entry->Value;
}
