// The delimiters that a table's CSV output may be written with, with one
// table of their names: the command line's word and the page's caption. A
// semicolon-separated output writes its numbers with decimal commas, as the
// spreadsheets of the languages that export semicolons read them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

enum class Output_delimiter { Comma, Semicolon, Tab };

struct Output_delimiter_name {
    Output_delimiter Value;
    char Delimiter;
    char Decimal_point;        // of the numbers written
    std::string_view Word;     // on the command line
    std::string_view Caption;  // in the page's choice
};

inline constexpr std::array<Output_delimiter_name, 3> Output_delimiter_table = {{
    {Output_delimiter::Comma, ',', '.', ",", "commas, numbers with decimal points"},
    {Output_delimiter::Semicolon, ';', ',', ";", "semicolons, numbers with decimal commas"},
    {Output_delimiter::Tab, '\t', '.', "tab", "tabs, numbers with decimal points"},
}};

// What the page's choice of the output delimiter is called.
inline constexpr std::string_view Output_delimiter_caption = "Results separated by";

const Output_delimiter_name& Names_of(Output_delimiter delimiter);

// The output delimiter that a word names (the table's word, or a tab
// itself); empty for any other text.
std::optional<Output_delimiter> Output_delimiter_from_word(std::string_view word);

// The output delimiter that writes a table as it was read: the input's
// delimiter when it is one of the table's, otherwise a comma.
Output_delimiter Output_delimiter_like(char input_delimiter);

// The character that a delimiter's word names: the word "tab" a tab, any
// one character itself; empty for any other text.
std::optional<char> Delimiter_from_word(std::string_view word);
