// The toolkit-free SVG writer: texts escaped so that any title or separator
// gives well-formed XML, numbers of the drawing with a full stop whatever
// the user's separator, every label of the layout written once, and the
// document sized as laid out. (That it draws what the QPainter renderer
// draws is checked in the render tests, pixel by pixel.)
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "Plot_geometry.h"
#include "Plot_svg.h"

namespace {

Plot_subject Subject(std::string title, char separator = '.', double A = 50, double B = 30)
{
    Plot_subject subject;
    subject.Title = std::move(title);
    subject.Request = {10, 20, A, B, Limits::Two_sided, 95};
    subject.Result = Compare_two_cases(subject.Request);
    subject.Decimal_separator = separator;
    return subject;
}

// The contents of every element with the tag, in order.
std::vector<std::string> Contents(const std::string& svg, const std::string& tag)
{
    std::vector<std::string> found;
    const std::regex element("<" + tag + "(?: [^>]*)?>([^<]*)</" + tag + ">");
    for (auto match = std::sregex_iterator(svg.begin(), svg.end(), element); match != std::sregex_iterator();
         ++match)
        found.push_back((*match)[1]);
    return found;
}

struct Escape_row {
    std::string Name;
    std::string Title;
    std::string Written;
};

void PrintTo(const Escape_row& row, std::ostream* os) { *os << row.Name; }

class Svg_title : public testing::TestWithParam<Escape_row> {};

// The title is the document's title and the caption's first line.
TEST_P(Svg_title, IsEscaped)
{
    const std::string svg = Plot_svg(Subject(GetParam().Title), 800, 500);
    EXPECT_EQ(Contents(svg, "title"), std::vector<std::string>{GetParam().Written});
    const std::vector<std::string> texts = Contents(svg, "text");
    EXPECT_NE(std::find(texts.begin(), texts.end(), GetParam().Written), texts.end()) << "the caption's title";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Svg_title,
    testing::Values(Escape_row{"Plain", "VORAN", "VORAN"},
                    Escape_row{"Markup", "A&B <c> \"d\" 'e'", "A&amp;B &lt;c&gt; &quot;d&quot; &apos;e&apos;"},
                    Escape_row{"EntityLookalike", "&amp;", "&amp;amp;"},
                    Escape_row{"ControlCharacters", "a\tb\x01" "c\nd", "a b c d"},
                    Escape_row{"Utf8Kept", "caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 \xE2\x82\xAC"},
                    Escape_row{"Latin1Byte", "caf\xE9", "caf\xEF\xBF\xBD"},
                    Escape_row{"CutShortSequence", "x\xE2\x82", "x\xEF\xBF\xBD\xEF\xBF\xBD"},
                    Escape_row{"NonCharacter", "\xEF\xBF\xBF", "\xEF\xBF\xBD"}),
    [](const testing::TestParamInfo<Escape_row>& info) { return info.param.Name; });

TEST(Svg_numbers, TextsUseTheSeparatorAndTheDrawingAFullStop)
{
    const std::string svg = Plot_svg(Subject("T", ','), 800, 500);
    const std::vector<std::string> texts = Contents(svg, "text");
    for (const char* number : {"20,000", "0,086739", "8,6739%", "0,968 to 1,860", "14,142"}) {
        bool found = false;
        for (const std::string& text : texts)
            found = found || text.find(number) != std::string::npos;
        EXPECT_TRUE(found) << number;
    }
    // Every coordinate and length attribute is a plain number.
    const std::regex attribute(R"re( (x|y|x1|y1|x2|y2|width|height|font-size|stroke-width)="([^"]*)")re");
    int attributes = 0;
    for (auto match = std::sregex_iterator(svg.begin(), svg.end(), attribute); match != std::sregex_iterator();
         ++match, ++attributes)
        EXPECT_TRUE(std::regex_match((*match)[2].str(), std::regex(R"(-?[0-9]+(\.[0-9]+)?)"))) << (*match)[0];
    EXPECT_GT(attributes, 100);
    // Point lists: pairs x,y separated by blanks.
    const std::regex points(R"re( points="([^"]*)")re");
    for (auto match = std::sregex_iterator(svg.begin(), svg.end(), points); match != std::sregex_iterator(); ++match)
        EXPECT_TRUE(std::regex_match((*match)[1].str(),
                                     std::regex(R"(-?[0-9.]+,-?[0-9.]+( -?[0-9.]+,-?[0-9.]+)*)")));
}

TEST(Svg_labels, EveryLabelOfTheLayoutOnce)
{
    const Plot_subject subject = Subject("T");
    const Plot_picture picture = Lay_out_plot(subject, 640, 400);
    std::vector<std::string> expected;
    for (const Plot_axis* axis : {&picture.Raw_axis, &picture.Density_axis, &picture.Effect_axis}) {
        for (const Plot_label& label : axis->Tick_labels)
            expected.push_back(label.Text);
        for (const Plot_label& line : axis->Title)
            expected.push_back(line.Text);
    }
    for (const Plot_label& label : picture.Labels)
        expected.push_back(label.Text);
    EXPECT_EQ(Contents(Plot_svg(subject, 640, 400), "text"), expected);
}

TEST(Svg_document, SizedAsLaidOutAndDescribed)
{
    const Plot_subject subject = Subject("T");
    const std::string svg = Plot_svg(subject, 100, 1000);
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    const std::string minimum = std::to_string(static_cast<int>(Plot_minimum_width));
    EXPECT_NE(svg.find(" width=\"" + minimum + "\" height=\"1000\" viewBox=\"0 0 " + minimum + " 1000\""),
              std::string::npos);
    std::string description = Lay_out_plot(subject, 100, 1000).Description;  // "two controls' scores"
    description = std::regex_replace(description, std::regex("'"), "&apos;");
    EXPECT_EQ(Contents(svg, "desc"), std::vector<std::string>{description});
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    EXPECT_EQ(svg.find("href"), std::string::npos) << "no external resources";
    EXPECT_EQ(svg.find("url("), std::string::npos) << "no external resources";
}

}  // namespace
