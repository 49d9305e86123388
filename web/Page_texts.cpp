#include "Page_texts.h"

#include "Description_text.h"
#include "Program_strings.h"
#include "Report.h"

Page_texts The_page_texts()
{
    Page_texts texts;
    texts.Title = std::string(Program_title);
    texts.Description = Description_text();
    for (const std::string_view caption : Input_captions)
        texts.Captions.emplace_back(caption);
    texts.Notes_caption = std::string(Notes_caption);
    texts.Description_name = std::string(Description_box_name);
    texts.Report_columns = Report_columns;
    texts.Page_number_lead = std::string(Page_number_lead);
    texts.Page_count_lead = std::string(Page_count_lead);
    return texts;
}

char Decimal_separator_of(const std::string& separator)
{
    const bool one_ascii = separator.size() == 1 && static_cast<unsigned char>(separator[0]) < 0x80;
    return one_ascii ? separator[0] : '.';
}
