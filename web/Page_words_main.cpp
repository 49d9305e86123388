// voran-page-words: prints the page's words (Page_words) as one JSON object,
// key to text, for web/assemble.mjs to write into the page.
#include <iostream>

#include "Json_text.h"
#include "Page_words.h"
#include "Text_sink.h"

int main()
{
    Text_sink out(&std::cout);
    char between = '{';
    for (const Page_word& word : Page_words()) {
        out.Append(between);
        Write_json_string(out, word.Key);
        out.Append(':');
        Write_json_string(out, word.Text);
        between = ',';
    }
    out.Append("}\n");
    out.Flush();
    return std::cout ? 0 : 1;
}
