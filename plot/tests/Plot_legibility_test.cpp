// The picture stays legible at the plot window's smallest size and at
// extreme inputs: no text below 8 points at 96 dpi, no label over another
// label, the marker at d or the interval bar, every label inside the
// picture, and the picture's own numbers with significant digits where the
// report's fixed decimals would print only zeros.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "Plot_geometry.h"
#include "Plot_style.h"
#include "Plot_texts.h"
#include "Text_metrics.h"

namespace {

constexpr double Smallest_text = 96.0 / 72 * 8;  // 8 points at 96 dpi, in pixels
static_assert(Plot_smallest_text >= Smallest_text);

struct Extreme_row {
    std::string Name;
    std::int32_t N;
    double SD, A, B;
    Limits Limits_kind = Limits::Two_sided;
};

void PrintTo(const Extreme_row& row, std::ostream* os) { *os << row.Name; }

struct Box {
    double Left, Top, Right, Bottom;
    bool Overlaps(const Box& other) const
    {
        return Left < other.Right && other.Left < Right && Top < other.Bottom && other.Top < Bottom;
    }
};

// The label's text, and with padded = true its white box where it has one.
Box Box_of(const Plot_label& label, bool padded = false)
{
    const double width = Text_width(label.Text, label.Size, label.Bold);
    double left = label.Position.X;
    if (label.Anchor == Text_anchor::Middle)
        left -= width / 2;
    else if (label.Anchor == Text_anchor::End)
        left -= width;
    const double pad = padded && label.Boxed ? Plot_style::Box_padding : 0;
    return {left - pad, label.Position.Y - Text_ascent * label.Size - pad, left + width + pad,
            label.Position.Y + Text_descent * label.Size + pad};
}

std::vector<Plot_label> All_labels(const Plot_picture& picture)
{
    std::vector<Plot_label> labels = picture.Labels;
    for (const Plot_axis* axis : {&picture.Raw_axis, &picture.Density_axis, &picture.Effect_axis}) {
        labels.insert(labels.end(), axis->Title.begin(), axis->Title.end());
        labels.insert(labels.end(), axis->Tick_labels.begin(), axis->Tick_labels.end());
    }
    return labels;
}

struct Size {
    double Width, Height;
};

class Extreme_picture : public testing::TestWithParam<Extreme_row> {
protected:
    void SetUp() override
    {
#if defined(__EMSCRIPTEN__)
        // The WebAssembly build's long double exp and log are the double's, so
        // a density beyond the double's range (an SD near 1e308, or below
        // 1e-300, makes one near 1e-309 or 1e300 per score unit) is lost there.
        const double sd = GetParam().SD;
        if (sd > 1e300 || sd < 1e-300)
            GTEST_SKIP() << "long double's exp and log are the double's in this C library; the density at SD "
                         << sd << " leaves the double's range";
#endif
    }

    Plot_subject Subject(char separator = '.') const
    {
        const Extreme_row& row = GetParam();
        Plot_subject subject;
        subject.Title = "VORAN.EXE: Bayesian inferential methods for comparing the scores of two single-cases in "
                        "case-controls designs";
        subject.Request = {row.SD, row.N, row.A, row.B, row.Limits_kind, 95};
        subject.Result = Compare_two_cases(subject.Request);
        subject.Decimal_separator = separator;
        return subject;
    }

    static constexpr Size Sizes[] = {{Plot_minimum_width, Plot_minimum_height}, {800, 500}, {1600, 1000},
                                     {1400, Plot_minimum_height}, {Plot_minimum_width, 900}};
};

TEST_P(Extreme_picture, TextsKeepALegibleSize)
{
    for (const Size size : Sizes) {
        const Plot_picture picture = Lay_out_plot(Subject(), size.Width, size.Height);
        for (const Plot_label& label : All_labels(picture))
            EXPECT_GE(label.Size, Smallest_text - 1e-9) << label.Text << " at " << size.Width << "x" << size.Height;
    }
}

TEST_P(Extreme_picture, LabelsStayInsideAndClearOfEachOtherTheMarkerAndTheBar)
{
    for (const Size size : Sizes) {
        const Plot_picture picture = Lay_out_plot(Subject(), size.Width, size.Height);
        const std::vector<Plot_label> labels = All_labels(picture);
        const std::string at = " at " + std::to_string(size.Width) + "x" + std::to_string(size.Height);
        const double half_marker = Plot_style::Marker_width / 2;
        const Box marker{picture.Marker.From.X - half_marker, picture.Marker.To.Y,
                         picture.Marker.From.X + half_marker, picture.Marker.From.Y};
        const Plot_interval& bar = picture.Effect_interval;
        const Box bar_box{bar.Lower_x - Plot_style::Arrow_length, bar.Y - Plot_style::Cap_half_height,
                          bar.Upper_x + Plot_style::Arrow_length, bar.Y + Plot_style::Cap_half_height};
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const Box box = Box_of(labels[i]);
            const Box padded = Box_of(labels[i], true);
            EXPECT_GE(box.Left, 0) << labels[i].Text << at;
            EXPECT_LE(box.Right, picture.Width) << labels[i].Text << at;
            EXPECT_GE(box.Top, 0) << labels[i].Text << at;
            EXPECT_LE(box.Bottom, picture.Height) << labels[i].Text << at;
            EXPECT_FALSE(padded.Overlaps(marker)) << labels[i].Text << " over the marker" << at;
            EXPECT_FALSE(padded.Overlaps(bar_box)) << labels[i].Text << " over the interval bar" << at;
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(box.Overlaps(Box_of(labels[j]))) << labels[i].Text << " over " << labels[j].Text << at;
        }
        EXPECT_GE(picture.Area_bottom_right.Y - picture.Area_top_left.Y, 60) << "the curve's frame" << at;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Extreme_picture,
    testing::Values(Extreme_row{"Worked_example", 20, 10, 50, 30},
                    Extreme_row{"N3", 3, 10, 50, 30},
                    Extreme_row{"N3_far", 3, 1, 100, 0},
                    Extreme_row{"N1000000", 1000000, 10, 50, 30},
                    Extreme_row{"A_equals_B", 20, 10, 40, 40},
                    Extreme_row{"A_equals_B_N3", 3, 10, 40, 40, Limits::Lower},
                    Extreme_row{"Sd_tiny_difference_1", 20, 0.0001, 1, 0},
                    Extreme_row{"Sd_tiny_difference_minus_1", 20, 0.0001, 0, 1, Limits::Upper},
                    Extreme_row{"Sd_tiny_difference_tiny", 20, 0.0001, 0.0003, 0.0001},
                    Extreme_row{"Sd_10000", 20, 10000, 50, 30},
                    Extreme_row{"Sd_10000_far", 20, 10000, 90000, -30000, Limits::Lower},
                    Extreme_row{"Sd_1e308", 20, 1e308, 50, 30},
                    Extreme_row{"Difference_1e308", 20, 10, 9.99e307, 30},
                    Extreme_row{"Sd_1e_321", 20, 1e-321, 50, 30},
                    Extreme_row{"Sd_1e_321_no_difference", 20, 1e-321, 30, 30}),
    [](const testing::TestParamInfo<Extreme_row>& info) { return info.param.Name; });

// No number that is not 0 written with decimals that are all zeros ("0.000",
// "-0,000"): significant digits show it.
class Small_numbers_picture : public Extreme_picture {};

TEST_P(Small_numbers_picture, ShowTheirValue)
{
    for (const char separator : {'.', ','}) {
        const Plot_picture picture = Lay_out_plot(Subject(separator), 800, 500);
        const std::regex zeros(std::string("(^|[^0-9])-?0[") + separator + "]0+([^0-9]|$)");
        std::vector<std::string> texts = {picture.Description};
        for (const Plot_label& label : picture.Labels)
            texts.push_back(label.Text);
        for (const Plot_axis* axis : {&picture.Raw_axis, &picture.Density_axis, &picture.Effect_axis})
            for (const Plot_label& line : axis->Title)
                texts.push_back(line.Text);
        for (const std::string& text : texts)
            EXPECT_FALSE(std::regex_search(text, zeros)) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Small_numbers_picture,
    testing::Values(Extreme_row{"Sd_tiny_difference_1", 20, 0.0001, 1, 0},
                    Extreme_row{"Sd_tiny_difference_minus_1", 20, 0.0001, 0, 1, Limits::Upper},
                    Extreme_row{"Sd_tiny_difference_tiny", 20, 0.0001, 0.0003, 0.0001},
                    Extreme_row{"Sd_1e308", 20, 1e308, 50, 30},
                    Extreme_row{"N3_far", 3, 1, 100, 0}),
    [](const testing::TestParamInfo<Extreme_row>& info) { return info.param.Name; });

struct Number_row {
    std::string Name;
    Extended Value;
    std::string Fixed;  // the report's text
    char Separator;
    std::string Shown;
};

TEST(Picture_number, FixedWhereItShowsTheValueSignificantDigitsElsewhere)
{
    const Number_row rows[] = {
        {"ReportsDecimals", 0.086739L, "0.086739", '.', "0.086739"},
        {"ExactZero", 0, "0.000", '.', "0.000"},
        {"Small", 1.41421356e-4L, "0.000", '.', "0.0001414"},
        {"SmallComma", 1.41421356e-4L, "0,000", ',', "0,0001414"},
        {"SmallNegative", -2e-5L, "-0.000", '.', "-2 \u00D7 10\u207B\u2075"},
        {"TinyP", 3.5e-73L, "0.000000", '.', "3.5 \u00D7 10\u207B\u2077\u00B3"},
        {"Large", 12345.678L, "12345.678", '.', "12345.678"},
        {"TooLong", 9.99e307L, std::string(308, '9') + ".000", ',', "9,99 \u00D7 10\u00B3\u2070\u2077"},
    };
    for (const Number_row& row : rows)
        EXPECT_EQ(Picture_number(row.Value, row.Fixed, row.Separator), row.Shown) << row.Name;
}

// Where the report prints 0.0000%, the picture writes a power of ten with a
// superscript exponent, and its percent sign after a blank.
TEST(Plot_texts, TinyNumbersArePowersOfTen)
{
    Plot_subject subject{"Title", {10, 20, 50, 30}, {}, ','};
    subject.Result.Df = 19;
    subject.Result.Percent_estimate = 3.456e-6L;
    subject.Result.P_one_tailed = 3.456e-8L;
    const Plot_texts texts = Texts_for(subject);
    EXPECT_EQ(texts.Percentage, "3,456 \u00D7 10\u207B\u2076 % of pairs of controls");
    EXPECT_EQ(texts.P_value, "one-tailed p = 3,456 \u00D7 10\u207B\u2078");
    EXPECT_NE(texts.Description.find("3,456 \u00D7 10\u207B\u2076 % of pairs"), std::string::npos);
    subject.Result.Percent_estimate = 8.6739L;
    EXPECT_EQ(Texts_for(subject).Percentage, "8,6739% of pairs of controls");
}

TEST(Tick_text, DecimalsOfTheStepOrSignificantDigits)
{
    struct Row {
        Extended Value;
        int Step_exponent;
        char Separator;
        std::string Shown;
    };
    const Row rows[] = {
        {20, 1, '.', "20"},          {-0.02L, -2, '.', "-0.02"},     {0, -2, ',', "0,00"},
        {2e-5L, -5, '.', "0.00002"}, {1.5e-7L, -7, ',', "1,5 \u00D7 10\u207B\u2077"}, {0, -7, '.', "0"},
        {2e8L, 8, '.', "200000000"}, {4e9L, 9, '.', "4 \u00D7 10\u2079"},       {-4e307L, 307, '.', "-4 \u00D7 10\u00B3\u2070\u2077"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Tick_text(row.Value, row.Step_exponent, row.Separator), row.Shown) << row.Shown;
}

}  // namespace
