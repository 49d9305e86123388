// The manual page and the README say what the tables of the code decide:
// the exit statuses, the words of the limits, formats and languages, the
// result columns, the ranges of --level and --jobs and the table's size
// limits. Each fact is read from the text as written and checked against its
// table, so that a changed table cannot leave a document behind.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iomanip>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Batch_row.h"
#include "Command_line.h"
#include "Csv_reader.h"
#include "Exit_status.h"

namespace {

std::string Read(const std::string& name)
{
    std::ifstream file(std::string(VORAN_SOURCE_FOLDER) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The text with each run of blanks and line breaks as one blank, as it reads.
std::string Flat(const std::string& text) { return std::regex_replace(text, std::regex("\\s+"), " "); }

std::string Meaning_of(std::string_view name)
{
    for (const Option& option : Options)
        if (option.Name == name)
            return std::string(option.Meaning);
    ADD_FAILURE() << name;
    return {};
}

std::string Text(double number)
{
    std::ostringstream text;
    text << std::setprecision(17) << number;
    return text.str();
}

const std::string& Manual()
{
    static const std::string text = Read("packaging/voran-report.1.in");
    return text;
}

const std::string& Readme()
{
    static const std::string text = Read("README.md");
    return text;
}

const std::string& Flat_manual()
{
    static const std::string text = Flat(Manual());
    return text;
}

const std::string& Flat_readme()
{
    static const std::string text = Flat(Readme());
    return text;
}

// The text from `from` up to the next `to`.
std::string Section(const std::string& text, const std::string& from, const std::string& to)
{
    const auto begin = text.find(from);
    EXPECT_NE(begin, std::string::npos) << from;
    return text.substr(begin, text.find(to, begin + from.size()) - begin);
}

std::vector<int> Whole_numbers(const std::string& text)
{
    std::vector<int> numbers;
    const std::regex number("\\b[0-9]+\\b");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stoi(it->str()));
    return numbers;
}

// The first capture of `pattern` in `text`, as a number.
double Captured(const std::string& text, const std::string& pattern, int group = 1)
{
    std::smatch match;
    EXPECT_TRUE(std::regex_search(text, match, std::regex(pattern))) << pattern;
    return match.empty() ? NAN : std::stod(match[group].str());
}

std::string Roff_words(std::string_view words)  // "a-b|c" as "a\-b | c"
{
    std::string text;
    for (const char c : words)
        text += c == '-' ? std::string("\\-") : c == '|' ? std::string(" | ") : std::string(1, c);
    return text;
}

TEST(Documentation, ExitStatusesAreTheTablesInItsOrder)
{
    std::vector<int> codes;
    for (const Exit_status_meaning& status : Exit_status_table)
        codes.push_back(Exit_code(status.Status));
    EXPECT_EQ(Whole_numbers(Section(Manual(), ".SH EXIT STATUS", ".SH")), codes);
    EXPECT_EQ(Whole_numbers(Section(Readme(), "Exit status (also in `--help`):", "\n\n")), codes);
}

TEST(Documentation, WordsAndColumnsAreTheTables)
{
    for (const std::string_view words : {Limits_words, Output_format_words, Summary_language_words}) {
        EXPECT_NE(Flat_manual().find(Roff_words(words)), std::string::npos) << words;
        EXPECT_NE(Flat_readme().find(std::string(words)), std::string::npos) << words;
    }
    std::string columns;
    for (const Result_column& column : Result_columns)
        columns += std::string(column.Name) + ",";
    EXPECT_NE(Flat_readme().find("`" + columns + std::string(Error_column) + "`"), std::string::npos) << columns;
    // The columns that a one-sided row fills, on each side.
    for (const auto& [side, word] : {std::pair{Filled_for::Lower_side, "lower"}, std::pair{Filled_for::Upper_side, "upper"}}) {
        std::vector<std::string> names;
        for (const Result_column& column : Result_columns)
            if (column.Filled == side)
                names.emplace_back(column.Name);
        ASSERT_EQ(names.size(), 2u) << word;
        const std::string manual = ".IR " + names[0] + " \" and \" " + names[1];
        const std::string readme = std::string(word) + ": `" + names[0] + "` and `" + names[1] + "`";
        EXPECT_NE(Flat_manual().find(manual), std::string::npos) << manual;
        EXPECT_NE(Flat_readme().find(readme), std::string::npos) << readme;
    }
}

TEST(Documentation, RangesAndLimitsAreTheProgramsOwn)
{
    const std::string help_level = Meaning_of("--level"), help_jobs = Meaning_of("--jobs");
    struct Range { std::string Text, Pattern; };
    const std::string words = "from ([0-9]+) up to but not including ([0-9]+) ?[;(] ?([0-9]+) unless given";
    for (const Range& range : {Range{Flat_manual(), words}, Range{Flat_readme(), words},
                               Range{help_level, "([0-9]+) <= P < ([0-9]+) \\(([0-9]+) unless given"}}) {
        const double lowest = Captured(range.Text, range.Pattern, 1), end = Captured(range.Text, range.Pattern, 2);
        EXPECT_EQ(Level_from_text(Text(lowest)), lowest);
        EXPECT_THROW(Level_from_text(Text(std::nextafter(lowest, 0.0))), EUsage_error);
        EXPECT_NO_THROW(Level_from_text(Text(std::nextafter(end, 0.0))));
        EXPECT_THROW(Level_from_text(Text(end)), EUsage_error);
        EXPECT_EQ(Captured(range.Text, range.Pattern, 3), Default_level);
    }
    for (const std::string& text : {Flat_manual(), Flat_readme(), help_jobs})
        EXPECT_EQ(Captured(text, "threads[^.]*, 1 to ([0-9]+)"), Max_jobs);
    const Csv_limits limits;
    for (const std::string& text : {Flat_manual(), Flat_readme()}) {
        EXPECT_EQ(static_cast<std::size_t>(Captured(text, "a field over ([0-9]+) MiB")) << 20, limits.Field_bytes);
        EXPECT_EQ(static_cast<std::size_t>(Captured(text, "a row over ([0-9]+) MiB")) << 20, limits.Record_bytes);
    }
}

}  // namespace
