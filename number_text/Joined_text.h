// Texts joined at compile time, in static storage, for the program's fixed
// texts that are made of other fixed texts (the citation and the program's
// title from the paper's title, the word lists of the choice tables, the
// command line's usage line), so that each part is written once.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace joined_text_detail {

template <const std::string_view&... Parts>
inline constexpr auto Chars = [] {
    std::array<char, (Parts.size() + ...)> chars{};
    auto at = chars.begin();
    ((at = std::copy(Parts.begin(), Parts.end(), at)), ...);
    return chars;
}();

// The length of a table's words with a '|' between each two.
template <const auto& Table>
inline constexpr std::size_t Words_size = [] {
    std::size_t size = Table.size() - 1;
    for (const auto& entry : Table)
        size += entry.Word.size();
    return size;
}();

template <const auto& Table>
inline constexpr auto Word_chars = [] {
    std::array<char, Words_size<Table>> chars{};
    auto at = chars.begin();
    for (const auto& entry : Table) {
        if (at != chars.begin())
            *at++ = '|';
        at = std::copy(entry.Word.begin(), entry.Word.end(), at);
    }
    return chars;
}();

}  // namespace joined_text_detail

// The parts one after the other.
template <const std::string_view&... Parts>
inline constexpr std::string_view Joined_parts{joined_text_detail::Chars<Parts...>.data(),
                                               joined_text_detail::Chars<Parts...>.size()};

// The Word of each entry of a table of names, joined by '|' ("two-sided|lower|upper").
template <const auto& Table>
inline constexpr std::string_view Joined_words{joined_text_detail::Word_chars<Table>.data(),
                                               joined_text_detail::Word_chars<Table>.size()};
