#include "Page_texts.h"

#include "Description_text.h"
#include "Program_strings.h"

Page_texts The_page_texts()
{
    Page_texts texts;
    texts.Title = std::string(Program_title);
    texts.Description = Description_text();
    for (const std::string_view caption : Input_captions)
        texts.Captions.emplace_back(caption);
    texts.Notes_caption = std::string(Notes_caption);
    return texts;
}

char Decimal_separator_of(const std::string& separator)
{
    const bool one_ascii = separator.size() == 1 && static_cast<unsigned char>(separator[0]) < 0x80;
    return one_ascii ? separator[0] : '.';
}
