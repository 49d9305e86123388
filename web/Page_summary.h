// The page's "Result" region: the key figures and the summary of a
// comparison in the language chosen, and the words around them. The page
// asks for it after "Compute" has shown the report.
#pragma once

#include <string>
#include <vector>

#include "Plot_subject.h"
#include "Summary.h"

struct Page_summary {
    std::vector<Key_figure> Figures;  // empty when there is no summary
    std::string Sentences;
    std::string Statistics;
};

// The summary of the comparison in the language of the code given (English
// for an unknown one).
Page_summary Summary_of(const Plot_subject& comparison, const std::string& language_code);

struct Summary_language_choice {
    std::string Code;  // "de"
    std::string Name;  // "Deutsch"
};

// The region's name, the choice's caption and the copy button's, and the six
// languages in their order.
struct Summary_page_texts {
    std::string Region;
    std::string Language_caption;
    std::string Copy_caption;
    std::string Copied;      // said when the summary is on the clipboard
    std::string Not_copied;  // said when the browser refuses the clipboard
    std::vector<Summary_language_choice> Languages;
};

Summary_page_texts The_summary_page_texts();

// The code of the language to propose for the browser's language tag
// ("de-AT"): that language when it is one of the six, English otherwise.
std::string Proposed_summary_language(const std::string& browser_language);
