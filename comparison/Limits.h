// The credible limits the user asks for: a two-sided interval, or a one-sided
// lower or upper limit. One table names each choice for every place that
// shows or reads it (the command line's words, the report's caption).
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Joined_text.h"

enum class Limits { Two_sided, Lower, Upper };

struct Limits_names {
    Limits Value;
    std::string_view Word;     // on the command line and in tables
    std::string_view Caption;  // in the report, after the level: "95% two-sided limit"
};

inline constexpr std::array<Limits_names, 3> Limits_table = {{
    {Limits::Two_sided, "two-sided", "two-sided limit"},
    {Limits::Lower, "lower", "one-sided lower limit"},
    {Limits::Upper, "upper", "one-sided upper limit"},
}};

// The words joined by '|', for messages and usage lines.
inline constexpr std::string_view Limits_words = Joined_words<Limits_table>;

const Limits_names& Names_of(Limits limits);

// The choice of a radio item, the items listed in the table's order: 0
// two-sided, 1 lower, 2 upper. std::out_of_range for any other item.
Limits Limits_of_item(int item);

// The choice a word names (exactly as in the table); empty for any other text.
std::optional<Limits> Limits_from_word(std::string_view word);
