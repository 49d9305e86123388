#include "Summary_language.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

const Summary_words& Words_of(Summary_language language)
{
    const auto entry = std::find_if(Summary_languages.begin(), Summary_languages.end(),
                                    [language](const Summary_words& words) { return words.Language == language; });
    if (entry == Summary_languages.end())
        throw std::invalid_argument("summary language " + std::to_string(static_cast<int>(language)) +
                                    " is unknown");
    return *entry;
}

std::optional<Summary_language> Summary_language_from_word(std::string_view word)
{
    const auto entry = std::find_if(Summary_languages.begin(), Summary_languages.end(),
                                    [word](const Summary_words& words) { return words.Word == word; });
    if (entry == Summary_languages.end())
        return std::nullopt;
    return entry->Language;
}

Summary_language Summary_language_for_locale(std::string_view locale)
{
    // The language part runs up to the region, the encoding or the modifier.
    std::string language(locale.substr(0, locale.find_first_of("_-.@")));
    std::transform(language.begin(), language.end(), language.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return Summary_language_from_word(language).value_or(Summary_language::English);
}
