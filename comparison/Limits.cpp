#include "Limits.h"

#include <algorithm>
#include <stdexcept>

const Limits_names& Names_of(Limits limits)
{
    const auto entry = std::ranges::find(Limits_table, limits, &Limits_names::Value);
    if (entry == Limits_table.end())
        throw std::invalid_argument("credible-limit choice " +
                                    std::to_string(static_cast<int>(limits)) + " is unknown");
    return *entry;
}

std::optional<Limits> Limits_from_word(std::string_view word)
{
    const auto entry = std::ranges::find(Limits_table, word, &Limits_names::Word);
    if (entry == Limits_table.end())
        return std::nullopt;
    return entry->Value;
}
