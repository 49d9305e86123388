#include "Page_summary.h"

#include "Program_strings.h"

Page_summary Summary_of(const Plot_subject& comparison, const std::string& language_code)
{
    Page_summary summary;
    const Summary_language language = Summary_language_from_word(language_code).value_or(Summary_language::English);
    Summary composed = Compose_summary(comparison.Request, comparison.Result, language);
    summary.Figures = Key_figures(comparison.Request, comparison.Result, language);
    summary.Sentences = std::move(composed.Sentences);
    summary.Statistics = std::move(composed.Statistics);
    return summary;
}

Summary_page_texts The_summary_page_texts()
{
    Summary_page_texts texts{std::string(Result_region_name), std::string(Summary_language_caption),
                             std::string(Copy_summary_caption), std::string(Summary_copied),
                             std::string(Summary_not_copied), {}};
    for (const Summary_words& words : Summary_languages)
        texts.Languages.push_back({std::string(words.Word), std::string(words.Name)});
    return texts;
}

std::string Proposed_summary_language(const std::string& browser_language)
{
    return std::string(Words_of(Summary_language_for_locale(browser_language)).Word);
}
