#include "Typed_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Not_numeric = "INPUT ERROR\n\nEnter numeric data only.";
const std::string Too_long = "Maximum length of input is 6 characters.";

struct Key_row {
    const char* Name;
    std::string Typed;
    std::string Accepted;
    bool Refused;  // a beep and the warning
};

TEST(Typed_keys, TheWorksheetsFilterOnTypedCharacters)
{
    const Key_row rows[] = {
        {"digit_passes", "7", "7", false},
        {"comma_becomes_point", ",", ".", false},
        {"minus_and_point_pass", "-.", "-.", false},
        {"letter_is_refused", "a", "", true},
        {"blank_is_refused", " ", "", true},
        {"non_ascii_character_is_refused_whole", "\xC3\xA9", "", true},
        {"good_characters_of_a_mixed_text_pass", "5x,", "5.", true},
        // Pasted: the editing keys' control codes are no part of a number.
        {"pasted_tab_is_refused", "1\t", "1", true},
        {"pasted_line_end_is_refused", "2\r\n", "2", true},
        {"pasted_backspace_is_refused", "\b3", "3", true},
    };
    for (const Key_row& row : rows) {
        SCOPED_TRACE(row.Name);
        const Key_verdict verdict = Filter_typed_text(row.Typed);
        EXPECT_EQ(verdict.Text, row.Accepted);
        EXPECT_EQ(verdict.Beep, row.Refused);
        EXPECT_EQ(verdict.Warning, row.Refused ? Not_numeric : "");
    }
}

TEST(Typed_keys, TheLimitCutsASeventhCharacterOnly)
{
    const Key_verdict six = Limit_field_length("123456");
    EXPECT_EQ(six.Text, "123456");
    EXPECT_FALSE(six.Beep);
    EXPECT_EQ(six.Warning, "");

    const Key_verdict seven = Limit_field_length("1234567");
    EXPECT_EQ(seven.Text, "123456");
    EXPECT_TRUE(seven.Beep);
    EXPECT_EQ(seven.Warning, Too_long);

    // Characters, not bytes: six two-byte characters stay whole.
    const std::string six_wide = "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
    EXPECT_EQ(Limit_field_length(six_wide).Warning, "");
    EXPECT_EQ(Limit_field_length(six_wide + "1").Text, six_wide);
}

}  // namespace
