// Well-formed UTF-8, for the writers that must never pass on bytes that a
// reader of their format would refuse (JSON Lines, SVG).
#pragma once

#include <cstddef>
#include <string_view>

// The length of the well-formed UTF-8 character at the start of text, or 0
// when its first byte begins none (the table of well-formed byte sequences
// of Unicode 15, section 3.9). An empty text has none either.
std::size_t Utf8_length(std::string_view text);

// U+FFFD, which stands in for a byte that begins no well-formed character.
inline constexpr std::string_view Replacement_character = "\xEF\xBF\xBD";
