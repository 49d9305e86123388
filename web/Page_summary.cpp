#include "Page_summary.h"

#include <exception>
#include <variant>

#include "Error_report.h"
#include "Limits.h"
#include "Program_strings.h"

Page_summary Summary_for(const Compute_input& input, const std::string& language_code)
{
    Page_summary summary;
    const Request_or_refusal read =
        Read_comparison_request(input.Texts, Limits_of_item(input.Limits_item), Default_level, input.Decimal_separator);
    const auto* request = std::get_if<Comparison_request>(&read);
    if (request == nullptr)
        return summary;
    const Summary_language language = Summary_language_from_word(language_code).value_or(Summary_language::English);
    try {
        const Comparison_result result = Compare_two_cases(*request);
        Summary composed = Compose_summary(*request, result, language);
        summary.Figures = Key_figures(*request, result, language);
        summary.Sentences = std::move(composed.Sentences);
        summary.Statistics = std::move(composed.Statistics);
    } catch (const std::exception& error) {
        summary.Error = Error_report_text(error.what());
    }
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
