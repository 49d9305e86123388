// The page's words come from the core alone: web/page/index.html holds no
// text of its own, only the places (data-caption, data-label) of the words
// that Page_words gives, and page.js writes no text of its own either.
#include "Page_words.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

#include "Kept_control_data.h"
#include "Page_texts.h"

namespace {

std::string Page_file(const std::string& name)
{
    std::ifstream file(VORAN_PAGE_FOLDER "/" + name, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read web/page/" + name);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(Page_words, EveryPlaceOfThePageHasOneWordAndEveryWordAPlace)
{
    std::map<std::string, int> places;
    const std::string page = Page_file("index.html");
    const std::regex place(R"re(\bdata-(caption|label)="([^"]+)")re");
    for (auto match = std::sregex_iterator(page.begin(), page.end(), place); match != std::sregex_iterator(); ++match)
        ++places[(*match)[2]];
    for (const Page_word& word : Page_words()) {
        EXPECT_FALSE(word.Text.empty()) << word.Key;
        EXPECT_EQ(places[word.Key], 1) << word.Key << ": places in index.html";
        places.erase(word.Key);
    }
    EXPECT_TRUE(places.empty()) << places.begin()->first << ": a place without a word";
}

TEST(Page_words, ThePageHoldsNoTextOfItsOwn)
{
    std::string page = Page_file("index.html");
    for (const char* pattern : {R"(<!--[\s\S]*?-->)", R"(<[^>]*>)", R"(@[A-Z_]+@)", R"(\s+)"})
        page = std::regex_replace(page, std::regex(pattern), "");
    EXPECT_EQ(page, "");
    const std::string script = Page_file("page.js");
    std::smatch own;
    EXPECT_FALSE(std::regex_search(script, own, std::regex(R"re((textContent|title|label)\s*\+?=\s*(['"`])[^'"`])re")))
        << own.str();
}

TEST(Page_texts, TheNamesAndTheFocusThePageIsGiven)
{
    EXPECT_EQ(Table_results_name("patients.csv"), "patients-results.csv");
    EXPECT_EQ(Table_results_name("week 2.table.tsv"), "week 2.table-results.csv");
    EXPECT_EQ(Table_results_name("patients"), "patients-results.csv");
    EXPECT_EQ(First_focused_slot(""), 0);
    EXPECT_EQ(First_focused_slot("12.5"), 2);
    EXPECT_EQ(Report_added_text(3), "Report 3 added to the results.");
}

}  // namespace
