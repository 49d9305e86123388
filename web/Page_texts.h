// The program's own words that the page shows around its inputs: the title,
// the description text with its box's name, the four captions and the notes
// caption; the report's width, which the results box fits, and the words of
// the printed pages' "page N of M".
#pragma once

#include <string>
#include <vector>

struct Page_texts {
    std::string Title;
    std::string Description;
    std::vector<std::string> Captions;  // SD, N, Case A, Case B
    std::string Notes_caption;
    std::string Description_name;
    int Report_columns = 0;
    std::string Page_number_lead;  // before the page's number
    std::string Page_count_lead;   // between it and the number of pages
};

Page_texts The_page_texts();

// The decimal separator the page found for the browser's language: one
// ASCII character, otherwise a full stop, as the desktop takes its regional
// setting.
char Decimal_separator_of(const std::string& separator);
