// The picture's geometry checked numerically: the shaded area is the printed
// one-tailed p, the marker stands at d, the curve is the density of the
// difference of two controls, the second axis is in Z-PCC units, and the
// labels hold the printed numbers.
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <ostream>
#include <string>
#include <vector>

#include "Plot_geometry.h"

namespace {

constexpr char Title[] = "Title of the program";

Plot_subject Subject(std::int32_t N, double SD, double A, double B, Limits limits, char separator = '.')
{
    Plot_subject subject;
    subject.Title = Title;
    subject.Request = {SD, N, A, B, limits, 95};
    subject.Result = Compare_two_cases(subject.Request);
    subject.Decimal_separator = separator;
    return subject;
}

// Above 1000 degrees of freedom the library's t is the standard normal.
double Oracle_density(double df, double z)
{
    return df > 1000 ? boost::math::pdf(boost::math::normal(), z)
                     : boost::math::pdf(boost::math::students_t(df), z);
}

double Oracle_upper_tail(double df, double z)
{
    return df > 1000 ? boost::math::cdf(boost::math::complement(boost::math::normal(), z))
                     : boost::math::cdf(boost::math::complement(boost::math::students_t(df), z));
}

// The area of a simple polygon by the shoelace formula.
double Polygon_area(const std::vector<Plot_point>& polygon)
{
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Plot_point& a = polygon[i];
        const Plot_point& b = polygon[(i + 1) % polygon.size()];
        twice += a.X * b.Y - b.X * a.Y;
    }
    return std::abs(twice) / 2;
}

// The shaded polygon's area in data units: a probability.
double Shaded_probability(const Plot_picture& picture)
{
    return Polygon_area(picture.Shaded) / std::abs(picture.Raw_x.Units_per_value * picture.Density_y.Units_per_value) *
           static_cast<double>(picture.Raw_x.Unit * picture.Density_y.Unit);
}

struct Case_row {
    std::string Name;
    std::int32_t N;
    double SD, A, B;
};

void PrintTo(const Case_row& row, std::ostream* os) { *os << row.Name; }

class Plot_of_case : public testing::TestWithParam<Case_row> {
protected:
    Plot_subject subject_ = Subject(GetParam().N, GetParam().SD, GetParam().A, GetParam().B, Limits::Two_sided);
    Plot_picture picture_ = Lay_out_plot(subject_, 800, 500);
    double d_ = GetParam().A - GetParam().B;
    double s_ = static_cast<double>(subject_.Result.Sd_difference);
    double df_ = GetParam().N - 1.0;
};

// The axis ends where the picture ends; the t's tail beyond it cannot be
// drawn, so the drawn area and that tail together make up p.
TEST_P(Plot_of_case, ShadedAreaIsTheOneTailedP)
{
    const double axis_end = picture_.Raw_x.Value(d_ >= 0 ? picture_.Area_bottom_right.X : picture_.Area_top_left.X);
    const double beyond_axis = Oracle_upper_tail(df_, std::abs(axis_end) / s_);
    const double p = static_cast<double>(subject_.Result.P_one_tailed);
    EXPECT_NEAR(Shaded_probability(picture_) + beyond_axis, p, 1e-3 * p);
}

TEST_P(Plot_of_case, ShadedAreaLiesBeyondDOnItsSide)
{
    const double marker_x = picture_.Marker.From.X;
    for (const Plot_point& point : picture_.Shaded) {
        if (d_ >= 0)
            EXPECT_GE(point.X, marker_x - 1e-9);
        else
            EXPECT_LE(point.X, marker_x + 1e-9);
    }
    EXPECT_DOUBLE_EQ(picture_.Shaded.front().X, marker_x);
}

TEST_P(Plot_of_case, MarkerStandsAtD)
{
    EXPECT_NEAR(picture_.Raw_x.Value(picture_.Marker.From.X), d_, 1e-9 * std::max(1.0, std::abs(d_)));
    EXPECT_DOUBLE_EQ(picture_.Marker.From.X, picture_.Marker.To.X);
    EXPECT_DOUBLE_EQ(picture_.Marker.From.Y, picture_.Area_bottom_right.Y);
    EXPECT_DOUBLE_EQ(picture_.Marker.To.Y, picture_.Area_top_left.Y);
    // The Z-PCC estimate is d in units of the SD of the difference: right under it.
    EXPECT_NEAR(picture_.Effect_interval.Estimate_x, picture_.Marker.From.X, 1e-9);
}

TEST_P(Plot_of_case, CurveIsTheDensityOfTheDifference)
{
    ASSERT_GT(picture_.Curve.size(), 100u);
    for (const Plot_point& point : picture_.Curve) {
        const double x = picture_.Raw_x.Value(point.X);
        const double expected = Oracle_density(df_, x / s_) / s_;
        EXPECT_NEAR(picture_.Density_y.Value(point.Y), expected, 1e-9 * Oracle_density(df_, 0) / s_) << "at " << x;
    }
}

TEST_P(Plot_of_case, RangeHoldsDAndTheCredibleLimits)
{
    const double left = picture_.Raw_x.Value(picture_.Area_top_left.X);
    const double right = picture_.Raw_x.Value(picture_.Area_bottom_right.X);
    EXPECT_NEAR(left, -right, 1e-9 * right);
    for (const double limit : {static_cast<double>(subject_.Result.Effect_lower),
                               static_cast<double>(subject_.Result.Effect_upper)}) {
        EXPECT_LT(std::abs(limit) * s_, right);
    }
    EXPECT_LT(picture_.Area_top_left.X, std::min(picture_.Effect_interval.Lower_x, picture_.Marker.From.X));
    EXPECT_GT(picture_.Area_bottom_right.X, std::max(picture_.Effect_interval.Upper_x, picture_.Marker.From.X));
}

TEST_P(Plot_of_case, EffectAxisIsInZpccUnits)
{
    const Plot_axis& axis = picture_.Effect_axis;
    ASSERT_GE(axis.Values.size(), 3u);
    for (std::size_t i = 0; i < axis.Values.size(); ++i)
        EXPECT_NEAR(picture_.Raw_x.Value(axis.Tick_marks[i].From.X) / s_, axis.Values[i],
                    1e-9 * std::max(1.0, static_cast<double>(std::abs(axis.Values[i]))));
    const Plot_interval& bar = picture_.Effect_interval;
    EXPECT_NEAR(picture_.Raw_x.Value(bar.Lower_x) / s_, static_cast<double>(subject_.Result.Effect_lower), 1e-9);
    EXPECT_NEAR(picture_.Raw_x.Value(bar.Upper_x) / s_, static_cast<double>(subject_.Result.Effect_upper), 1e-9);
}

TEST_P(Plot_of_case, RawTicksAreTheirValuesAndEndTheAxis)
{
    const Plot_axis& axis = picture_.Raw_axis;
    ASSERT_GE(axis.Values.size(), 5u);
    for (std::size_t i = 0; i < axis.Values.size(); ++i)
        EXPECT_NEAR(picture_.Raw_x.Value(axis.Tick_marks[i].From.X), axis.Values[i],
                    1e-9 * std::max(1.0, static_cast<double>(std::abs(axis.Values[i]))));
    EXPECT_NEAR(axis.Tick_marks.front().From.X, picture_.Area_top_left.X, 1e-9);
    EXPECT_NEAR(axis.Tick_marks.back().From.X, picture_.Area_bottom_right.X, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Plot_of_case,
    testing::Values(Case_row{"N3_positive", 3, 2, 12, 10}, Case_row{"N3_negative", 3, 2, 10, 12},
                    Case_row{"N3_large_difference", 3, 1, 30, 10},
                    Case_row{"N20_positive", 20, 10, 50, 30}, Case_row{"N20_negative", 20, 10, 30, 50},
                    Case_row{"N20_far_tail", 20, 10, 100, 30}, Case_row{"N20_no_difference", 20, 10, 40, 40},
                    Case_row{"N1001_positive", 1001, 5, 61, 50}, Case_row{"N1001_negative", 1001, 5, 50, 61},
                    Case_row{"N1002_normal_positive", 1002, 5, 61, 50},
                    Case_row{"N1000000_positive", 1000000, 3, 7.5, 1}, Case_row{"N1000000_negative", 1000000, 3, 1, 7.5},
                    Case_row{"Small_scale", 20, 0.004, 0.011, 0.001}),
    [](const testing::TestParamInfo<Case_row>& info) { return info.param.Name; });

// Where the t's tail beyond the axis is negligible, the drawn area alone is p.
TEST(Plot_shaded_area, DrawnAreaAloneIsPForTheWorkedExample)
{
    const Plot_subject subject = Subject(20, 10, 50, 30, Limits::Two_sided);
    const double p = static_cast<double>(subject.Result.P_one_tailed);
    EXPECT_NEAR(Shaded_probability(Lay_out_plot(subject, 800, 500)), p, 1e-3 * p);
}

TEST(Plot_shaded_area, DoesNotDependOnThePictureSize)
{
    const Plot_subject subject = Subject(20, 10, 50, 30, Limits::Two_sided);
    const double p = static_cast<double>(subject.Result.P_one_tailed);
    for (const auto& [width, height] : {std::pair{420.0, 300.0}, {1920.0, 1080.0}, {800.0, 2000.0}})
        EXPECT_NEAR(Shaded_probability(Lay_out_plot(subject, width, height)), p, 1e-3 * p) << width << "x" << height;
}

std::vector<std::string> Label_texts(const Plot_picture& picture)
{
    std::vector<std::string> texts;
    for (const Plot_label& label : picture.Labels)
        texts.push_back(label.Text);
    for (const Plot_axis* axis : {&picture.Raw_axis, &picture.Density_axis, &picture.Effect_axis})
        for (const Plot_label& line : axis->Title)
            texts.push_back(line.Text);
    return texts;
}

bool Some_label_holds(const Plot_picture& picture, const std::string& text)
{
    const std::vector<std::string> texts = Label_texts(picture);
    return std::any_of(texts.begin(), texts.end(), [&text](const std::string& t) { return t.find(text) != std::string::npos; });
}

struct Text_row {
    std::string Name;
    Limits Limits_kind;
    char Separator;
    double A, B;
    std::vector<std::string> Printed;  // the report's numbers, as printed
};

void PrintTo(const Text_row& row, std::ostream* os) { *os << row.Name; }

class Plot_texts_of : public testing::TestWithParam<Text_row> {};

TEST_P(Plot_texts_of, LabelsAndDescriptionHoldThePrintedNumbers)
{
    const Text_row& row = GetParam();
    const Plot_picture picture = Lay_out_plot(Subject(20, 10, row.A, row.B, row.Limits_kind, row.Separator), 800, 500);
    for (const std::string& number : row.Printed) {
        EXPECT_TRUE(Some_label_holds(picture, number)) << number;
        EXPECT_NE(picture.Description.find(number), std::string::npos) << number;
    }
    EXPECT_TRUE(Some_label_holds(picture, Title));
}

INSTANTIATE_TEST_SUITE_P(
    Worked_example, Plot_texts_of,
    testing::Values(
        Text_row{"Two_sided", Limits::Two_sided, '.', 50, 30,
                 {"20.000", "0.086739", "8.6739%", "1.414", "0.968 to 1.860", "14.142", "19 df"}},
        Text_row{"Two_sided_comma", Limits::Two_sided, ',', 50, 30,
                 {"20,000", "0,086739", "8,6739%", "1,414", "0,968 to 1,860", "14,142"}},
        Text_row{"Lower_limit", Limits::Lower, '.', 50, 30, {"1.414", "lower credible limit 1.032"}},
        Text_row{"Upper_limit", Limits::Upper, '.', 50, 30, {"1.414", "upper credible limit 1.781"}},
        Text_row{"Cases_exchanged", Limits::Two_sided, '.', 30, 50,
                 {"-20.000", "0.086739", "8.6739%", "-1.414", "-1.860 to -0.968"}}),
    [](const testing::TestParamInfo<Text_row>& info) { return info.param.Name; });

TEST(Plot_texts, CaptionStatesTheInputsWithTheDecimalSeparator)
{
    const Plot_picture picture = Lay_out_plot(Subject(20, 2.5, 12.25, 10, Limits::Lower, ','), 800, 500);
    EXPECT_TRUE(Some_label_holds(picture, "SD = 2,5, N = 20, Case A = 12,25, Case B = 10; 95% one-sided lower limit"));
}

TEST(Plot_texts, TickLabelsUseTheDecimalSeparator)
{
    const Plot_picture picture = Lay_out_plot(Subject(20, 0.2, 0.5, 0.1, Limits::Two_sided, ','), 800, 500);
    const auto has_comma = [](const Plot_label& label) { return label.Text.find(',') != std::string::npos; };
    EXPECT_TRUE(std::any_of(picture.Raw_axis.Tick_labels.begin(), picture.Raw_axis.Tick_labels.end(), has_comma));
    for (const Plot_axis* axis : {&picture.Raw_axis, &picture.Density_axis, &picture.Effect_axis})
        for (const Plot_label& label : axis->Tick_labels)
            EXPECT_EQ(label.Text.find('.'), std::string::npos) << label.Text;
}

TEST(Plot_texts, NormalIsNamedAbove1000Df)
{
    EXPECT_TRUE(Some_label_holds(Lay_out_plot(Subject(1002, 5, 61, 50, Limits::Two_sided), 800, 500), "normal"));
    EXPECT_TRUE(Some_label_holds(Lay_out_plot(Subject(1001, 5, 61, 50, Limits::Two_sided), 800, 500), "t on 1000 df"));
}

struct Interval_row {
    std::string Name;
    Limits Limits_kind;
    bool Lower_open, Upper_open;
};

void PrintTo(const Interval_row& row, std::ostream* os) { *os << row.Name; }

class Plot_interval_of : public testing::TestWithParam<Interval_row> {};

TEST_P(Plot_interval_of, OneSidedLimitRunsOnToTheAxisEnd)
{
    const Interval_row& row = GetParam();
    const Plot_subject subject = Subject(20, 10, 50, 30, row.Limits_kind);
    const Plot_picture picture = Lay_out_plot(subject, 800, 500);
    const Plot_interval& bar = picture.Effect_interval;
    const double s = static_cast<double>(subject.Result.Sd_difference);
    EXPECT_EQ(bar.Lower_open, row.Lower_open);
    EXPECT_EQ(bar.Upper_open, row.Upper_open);
    if (row.Lower_open)
        EXPECT_DOUBLE_EQ(bar.Lower_x, picture.Area_top_left.X);
    else
        EXPECT_NEAR(picture.Raw_x.Value(bar.Lower_x) / s, static_cast<double>(subject.Result.Effect_lower), 1e-9);
    if (row.Upper_open)
        EXPECT_DOUBLE_EQ(bar.Upper_x, picture.Area_bottom_right.X);
    else
        EXPECT_NEAR(picture.Raw_x.Value(bar.Upper_x) / s, static_cast<double>(subject.Result.Effect_upper), 1e-9);
    EXPECT_LT(bar.Lower_x, bar.Estimate_x);
    EXPECT_LT(bar.Estimate_x, bar.Upper_x);
}

INSTANTIATE_TEST_SUITE_P(Limits_kinds, Plot_interval_of,
                         testing::Values(Interval_row{"Two_sided", Limits::Two_sided, false, false},
                                         Interval_row{"Lower", Limits::Lower, false, true},
                                         Interval_row{"Upper", Limits::Upper, true, false}),
                         [](const testing::TestParamInfo<Interval_row>& info) { return info.param.Name; });

TEST(Plot_layout, NumbersThatAreNotFiniteAreRefused)
{
    for (Extended Comparison_result::*field : {&Comparison_result::Raw_difference, &Comparison_result::Sd_difference,
                                               &Comparison_result::Effect_upper, &Comparison_result::P_one_tailed}) {
        for (const Extended bad : {std::numeric_limits<Extended>::infinity(), std::numeric_limits<Extended>::quiet_NaN()}) {
            Plot_subject subject = Subject(20, 10, 50, 30, Limits::Two_sided);
            subject.Result.*field = bad;
            EXPECT_THROW(Lay_out_plot(subject, 800, 500), std::invalid_argument);
        }
    }
    Plot_subject no_spread = Subject(20, 10, 50, 30, Limits::Two_sided);
    no_spread.Result.Sd_difference = 0;
    EXPECT_THROW(Lay_out_plot(no_spread, 800, 500), std::invalid_argument);
}

TEST(Plot_layout, SmallerSizesAreLaidOutAtTheSmallestSize)
{
    const Plot_picture picture = Lay_out_plot(Subject(20, 10, 50, 30, Limits::Two_sided), 100, 50);
    EXPECT_EQ(picture.Width, Plot_minimum_width);
    EXPECT_EQ(picture.Height, Plot_minimum_height);
}

}  // namespace
