// The words that the page shows from the start, each under the key by which
// web/page/index.html names its place: data-caption="key" for an element's
// text, data-label="key" for its accessible name. web/assemble.mjs writes
// them into the page, so that they stand there before the core has started,
// and with JavaScript off.
#pragma once

#include <string>
#include <vector>

struct Page_word {
    std::string Key;
    std::string Text;
};

// Every word of the page's own, in the order of the page.
std::vector<Page_word> Page_words();
