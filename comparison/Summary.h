// A short summary of one comparison, for a clinical letter and a paper, in
// each language of Summary_language.h: sentences without verdict words, a
// statistics line in the language's style of reporting, and the key figures
// with their captions. Every number is the comparison's own, rounded once
// from its full value (never read back from the report's text): p to three
// decimals without a leading zero ("< .001" below .001), the difference,
// percentages and the effect size to two decimals.
#pragma once

#include <string>
#include <vector>

#include "Comparison.h"
#include "Summary_language.h"

// One key figure: its caption, its value, and its credible limits as the
// statistics line writes them (empty for the difference and the p values).
struct Key_figure {
    std::string Caption;
    std::string Value;
    std::string Limits;
};

struct Summary {
    std::string Sentences;   // for a letter, on one line
    std::string Statistics;  // for a paper, on one line
};

// The summary of the comparison asked for (its scores, limits and level) and
// its result.
Summary Compose_summary(const Comparison_request& request, const Comparison_result& result,
                        Summary_language language);

// The key figures, with the summary's numbers: the difference, the one- and
// two-tailed p, the percentage and the effect size.
std::vector<Key_figure> Key_figures(const Comparison_request& request, const Comparison_result& result,
                                    Summary_language language);
