// Lookups in the small constant tables of names (limits, summary languages,
// output formats and delimiters, options): the entry whose field equals a
// value, and the value of another field of it.
#pragma once

#include <algorithm>
#include <optional>

// The first entry of table whose field equals value; null when none does.
template <typename Table, typename Entry, typename Field, typename Value>
const Entry* Entry_with(const Table& table, Field Entry::*field, const Value& value)
{
    const auto entry = std::find_if(table.begin(), table.end(),
                                    [&](const Entry& candidate) { return candidate.*field == value; });
    return entry == table.end() ? nullptr : &*entry;
}

// The wanted field of the entry whose field equals value; empty when no
// entry does.
template <typename Table, typename Entry, typename Field, typename Value, typename Wanted>
std::optional<Wanted> Field_of_entry_with(const Table& table, Field Entry::*field, const Value& value,
                                          Wanted Entry::*wanted)
{
    const Entry* entry = Entry_with(table, field, value);
    if (!entry)
        return std::nullopt;
    return entry->*wanted;
}
