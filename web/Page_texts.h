// The program's words and facts that the page uses as it runs: the report's
// width, which the results box fits; the words of the printed pages' "page N
// of M"; the message boxes' titles; the notes' limit; the plot's size on the
// page and as a PNG; the names that the downloads propose; the items of the
// browser's storage. The words the page shows from the start are the
// Page_words.
#pragma once

#include <string>

struct Page_texts {
    int Report_columns = 0;
    std::string Page_number_lead;  // before the page's number
    std::string Page_count_lead;   // between it and the number of pages
    std::string Warning_title;
    std::string Error_title;
    int Notes_max_length = 0;
    // The plot at its widest on the page, in CSS pixels, the size of a saved
    // picture; narrower, in the same proportion.
    double Plot_width = 0;
    double Plot_height = 0;
    double Png_width = 0;  // the PNG download in pixels
    double Png_height = 0;
    std::string Results_file_name;
    std::string Svg_file_name;
    std::string Png_file_name;
    std::string Control_data_key;      // the storage's item with SD and N
    std::string Summary_language_key;  // the one with the summary's language
};

Page_texts The_page_texts();

// What a screen reader hears after a "Compute": "Report 3 added to the
// results." for the third report since the page opened.
std::string Report_added_text(int count);

// The name that a table's results download under: the table's file name
// without its extension, then "-results.csv".
std::string Table_results_name(const std::string& table_name);
