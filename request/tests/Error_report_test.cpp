// The text of the application's error report.
#include <gtest/gtest.h>

#include "Error_report.h"

namespace {

TEST(Error_report_text, AppendsAFullStopAfterCharactersSortingAfterIt)
{
    const struct {
        const char* Message;
        const char* Expected;
    } rows[] = {
        {"", ""},
        {"Invalid numeric input", "Invalid numeric input."},
        {"File access denied", "File access denied."},
        {"Ends with a digit 7", "Ends with a digit 7."},
        {"Already ends.", "Already ends."},
        {"Exclaims!", "Exclaims!"},         // '!' sorts before '.'
        {"In brackets (x)", "In brackets (x)"},  // ')' too
        {"A path/", "A path/."},            // '/' sorts right after '.'
        {"Accent \xc3\xa9", "Accent \xc3\xa9."},  // bytes above 127 sort after it
    };
    for (const auto& row : rows)
        EXPECT_EQ(Error_report_text(row.Message), row.Expected) << row.Message;
}

}  // namespace
