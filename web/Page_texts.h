// The program's own words that the page shows around its inputs: the title,
// the description text, the four captions and the notes caption.
#pragma once

#include <string>
#include <vector>

struct Page_texts {
    std::string Title;
    std::string Description;
    std::vector<std::string> Captions;  // SD, N, Case A, Case B
    std::string Notes_caption;
};

Page_texts The_page_texts();

// The decimal separator the page found for the browser's language: one
// ASCII character, otherwise a full stop, as the desktop takes its regional
// setting.
char Decimal_separator_of(const std::string& separator);
