// The layout of the text device against a surface of fixed metrics: every
// character (code point) is 10 pixels wide except 'W', which is wider than the
// page; runs are 12 high (so a line is 14), the font's character height is 11;
// the page is 100 x 100. The surface records what the device asks of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Text_device.h"

namespace {

constexpr int Char_width = 10;
constexpr int Wide_char_width = 150;
constexpr int Run_height = 12;
constexpr int Line = Run_height + 2;
constexpr int Empty_line = 11;
constexpr int Page = 100;

class Fake_surface : public Print_surface {
public:
    std::vector<std::string> events;
    long long measured_bytes = 0;

    int Text_width(std::string_view run) override
    {
        measured_bytes += static_cast<long long>(run.size());
        int width = 0;
        for (unsigned char c : run) {
            if ((c & 0xC0) != 0x80) {
                width += c == 'W' ? Wide_char_width : Char_width;
            }
        }
        return width;
    }
    int Text_height(std::string_view) override { return Run_height; }
    int Char_height() override { return Empty_line; }
    int Average_char_width() override { return Char_width; }
    int Page_width() override { return Page; }
    int Page_height() override { return Page; }
    void Begin_document() override { events.push_back("begin"); }
    void New_page() override { events.push_back("page"); }
    void Draw_text(int x, int y, std::string_view run) override
    {
        events.push_back(std::to_string(x) + "," + std::to_string(y) + " " + std::string(run));
    }
    void End_document() override { events.push_back("end"); }
};

std::vector<std::string> Printed(const std::string& text)
{
    Fake_surface surface;
    Print_on(surface, text);
    return surface.events;
}

struct Layout_row {
    const char* name;
    std::string text;
    std::vector<std::string> events;
};

// Six lines of 14 fit on a page: after the sixth, y = 84 > 100 - 2 * 14.
const Layout_row Layout_rows[] = {
    {"short_line", "abc", {"begin", "0,0 abc", "end"}},
    {"lines_end_with_cr_lf", "ab\r\ncd\r\n", {"begin", "0,0 ab", "0,14 cd", "end"}},
    {"cr_alone_only_ends_the_run", "ab\rcd", {"begin", "0,0 ab", "20,0 cd", "end"}},
    {"exactly_the_page_width_fits", "abcdefghij", {"begin", "0,0 abcdefghij", "end"}},
    {"break_inside_a_word_at_the_last_character_that_fits", "abcdefghijklmnopqrstuvwxy",
     {"begin", "0,0 abcdefghij", "0,14 klmnopqrst", "0,28 uvwxy", "end"}},
    {"break_counts_characters_not_bytes", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9xy",
     {"begin", "0,0 \xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "0,14 xy", "end"}},
    {"blank_lines_advance_by_the_character_height", "a\r\n\r\n\r\nb",
     {"begin", "0,0 a", "0," + std::to_string(Line + 2 * Empty_line) + " b", "end"}},
    {"leading_blank_line", "\r\nb", {"begin", "0,11 b", "end"}},
    {"tab_moves_to_the_next_stop_of_eight_characters", "ab\tc\tdefghijk",
     {"begin", "0,0 ab", "80,0 c", "0,14 defghijk", "end"}},
    {"tab_at_a_stop_moves_to_the_next", "abcdefgh\tx", {"begin", "0,0 abcdefgh", "0,14 x", "end"}},
    {"tab_past_the_page_width_starts_a_line_of_character_height", "\t\tx", {"begin", "0,11 x", "end"}},
    {"run_after_a_tab_is_broken_at_the_page_width", "\tabc", {"begin", "80,0 ab", "0,14 c", "end"}},
    {"form_feed_starts_a_page_at_the_top", "ab\fcd", {"begin", "0,0 ab", "page", "0,0 cd", "end"}},
    {"form_feeds_in_a_row_keep_the_blank_page", "a\f\fb", {"begin", "0,0 a", "page", "page", "0,0 b", "end"}},
    {"leading_form_feed_keeps_a_blank_first_page", "\fb", {"begin", "page", "0,0 b", "end"}},
    {"trailing_form_feed_ejects_no_blank_page", "a\r\n\f", {"begin", "0,0 a", "end"}},
    {"six_lines_fill_a_page_and_the_seventh_goes_on_the_next", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8",
     {"begin", "0,0 1", "0,14 2", "0,28 3", "0,42 4", "0,56 5", "0,70 6", "page", "0,0 7", "0,14 8", "end"}},
    {"final_line_end_at_the_bottom_ejects_no_blank_page", "1\r\n2\r\n3\r\n4\r\n5\r\n6",
     {"begin", "0,0 1", "0,14 2", "0,28 3", "0,42 4", "0,56 5", "0,70 6", "end"}},
    {"blank_lines_fill_a_page_of_their_own",
     "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nx",
     {"begin", "0,0 1", "0,14 2", "0,28 3", "0,42 4", "0,56 5", "0,70 6", "page", "page", "0,0 x", "end"}},
    {"a_line_is_never_drawn_across_the_bottom_edge", "1\r\n2\r\n3\r\n4\r\n5\r\n\r\n\r\nx\ty",
     {"begin", "0,0 1", "0,14 2", "0,28 3", "0,42 4", "0,56 5", "page", "0,0 x", "80,0 y", "end"}},
    {"character_wider_than_the_page_is_drawn_alone", "aWb", {"begin", "0,0 a", "0,14 W", "0,28 b", "end"}},
    {"empty_text_starts_no_job", "", {}},
    {"only_line_ends_start_no_job", "\r\n\r\n\t\r\n", {}},
};

class Layout : public testing::TestWithParam<Layout_row> {};

TEST_P(Layout, PrintsRunsAtTheirPositions)
{
    EXPECT_EQ(Printed(GetParam().text), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(Text_device, Layout, testing::ValuesIn(Layout_rows),
                         [](const testing::TestParamInfo<Layout_row>& row) { return row.param.name; });

// A long text runs on over pages with nothing but its own lines: each page
// begins with the next line at the top and holds six lines.
TEST(Text_device, SeveralPagesContinueWithoutHeader)
{
    constexpr int Lines = 20;
    constexpr int Lines_per_page = 6;
    std::string text;
    std::vector<std::string> expected{"begin"};
    for (int i = 0; i < Lines; ++i) {
        const std::string line = "L" + std::to_string(i);
        text += line + "\r\n";
        if (i > 0 && i % Lines_per_page == 0) {
            expected.push_back("page");
        }
        expected.push_back("0," + std::to_string(i % Lines_per_page * Line) + " " + line);
    }
    expected.push_back("end");
    const auto events = Printed(text);
    EXPECT_EQ(events, expected);
    EXPECT_EQ(std::count(events.begin(), events.end(), "page"), 3);  // four pages
}

// A pasted line of thousands of characters breaks into lines of ten without
// measuring the rest of the line character by character at each break
// (shortening from the end would measure about 4.5e8 bytes here).
TEST(Text_device, VeryLongLineBreaksWithoutRemeasuringItsRest)
{
    constexpr int Length = 3000;
    Fake_surface surface;
    Print_on(surface, std::string(Length, 'a'));
    const auto drawn = std::count_if(surface.events.begin(), surface.events.end(),
                                     [](const std::string& event) { return event.find(" aaaaaaaaaa") != std::string::npos; });
    EXPECT_EQ(drawn, Length / 10);
    EXPECT_LT(surface.measured_bytes, 2'000'000);
}

}  // namespace
