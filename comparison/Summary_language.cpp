#include "Summary_language.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

#include "Table_entry.h"

const Summary_words& Words_of(Summary_language language)
{
    const auto* words = Entry_with(Summary_languages, &Summary_words::Language, language);
    if (!words)
        throw std::invalid_argument("summary language " + std::to_string(static_cast<int>(language)) +
                                    " is unknown");
    return *words;
}

std::optional<Summary_language> Summary_language_from_word(std::string_view word)
{
    return Field_of_entry_with(Summary_languages, &Summary_words::Word, word, &Summary_words::Language);
}

Summary_language Summary_language_for_locale(std::string_view locale)
{
    // The language part runs up to the region, the encoding or the modifier.
    std::string language(locale.substr(0, locale.find_first_of("_-.@")));
    std::transform(language.begin(), language.end(), language.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return Summary_language_from_word(language).value_or(Summary_language::English);
}
