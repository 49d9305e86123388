#include "Plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Difference_density.h"
#include "Number_format.h"
#include "Plot_texts.h"
#include "Plot_ticks.h"

namespace {

// Layout in plot units: margins, the bands under the curve's frame (raw axis
// with its labels and title, the interval bar, the effect axis with its
// labels and title) and the font sizes.
constexpr double Margin = 12;
constexpr double Density_label_room = 58;
constexpr double Right_room = 14;
constexpr double Caption_size = 13;
constexpr double Label_size = 12;
constexpr double Tick_label_size = 11;
constexpr double Caption_line_gap = 18;
constexpr double Label_line_gap = 16;
constexpr double Room_above_area = 32;
constexpr double Tick_length = 5;
constexpr double Raw_tick_labels_below = 19;
constexpr double Raw_title_below = 37;
constexpr double Interval_below = 56;
constexpr double Effect_axis_below = 72;
constexpr double Effect_tick_labels_below = 91;
constexpr double Effect_title_below = 109;
constexpr double Room_below_area = 116;
constexpr double Corner_inset = 8;
// A font's average character width as a share of its pixel height, for
// fitting a text to the room it has (a sans-serif font's is about 0.5).
constexpr double Character_width = 0.53;

// The range of the raw axis: the body of the distribution (this many SDs of
// the difference on each side), d and the credible limits, with room beyond.
constexpr double Body_in_sds = 4;
constexpr double Room_beyond = 1.1;
// The peak of the curve reaches 1 / Headroom of the density axis, leaving the
// top of the frame to the labels.
constexpr double Headroom = 1.25;

constexpr int Raw_tick_count = 8;
constexpr int Density_tick_count = 4;
constexpr int Curve_points = 481;
constexpr int Shaded_points = 241;

double Text_width(const std::string& text, double size)
{
    return Character_width * size * static_cast<double>(text.size());
}

// The nominal size, or smaller so that the text fits in room.
double Fitted_size(const std::string& text, double nominal, double room)
{
    return std::min(nominal, room / (Character_width * static_cast<double>(text.size())));
}

Plot_label Label(std::string text, Plot_point at, Text_anchor anchor, double size)
{
    Plot_label label;
    label.Text = std::move(text);
    label.Position = at;
    label.Anchor = anchor;
    label.Size = size;
    return label;
}

// A horizontal axis at y from left to right whose ticks are the round values
// of [low, high] in its own units, placed by to_x.
template <class To_x>
Plot_axis Horizontal_axis(double y, double left, double right, double low, double high, double labels_below,
                          char separator, To_x to_x)
{
    Plot_axis axis;
    axis.Line = {{left, y}, {right, y}};
    const Tick_values ticks = Round_ticks(low, high, Raw_tick_count);
    for (const double value : ticks.Values) {
        const double x = to_x(value);
        axis.Values.push_back(value);
        axis.Tick_marks.push_back({{x, y}, {x, y + Tick_length}});
        axis.Tick_labels.push_back(Label(Format_fixed(value, 1, ticks.Decimals, separator), {x, y + labels_below},
                                         Text_anchor::Middle, Tick_label_size));
    }
    return axis;
}

}  // namespace

Plot_picture Lay_out_plot(const Plot_subject& subject, double width, double height)
{
    const Comparison_result& result = subject.Result;
    for (const Extended value : {result.Raw_difference, result.Sd_difference, result.Df, result.Effect_size,
                                 result.Effect_lower, result.Effect_upper, result.P_one_tailed})
        if (!std::isfinite(value))
            throw std::invalid_argument("The plot cannot show a comparison whose numbers are not all finite");
    if (!(result.Sd_difference > 0) || !(result.Df > 0))
        throw std::invalid_argument("The plot needs a positive SD of the difference and degrees of freedom");
    const char separator = subject.Decimal_separator;
    const Plot_texts texts = Texts_for(subject);
    const auto s = static_cast<double>(result.Sd_difference);
    const auto d = static_cast<double>(result.Raw_difference);
    const Difference_density density(result.Df, result.Sd_difference);

    Plot_picture picture;
    picture.Width = std::max(width, Plot_minimum_width);
    picture.Height = std::max(height, Plot_minimum_height);
    picture.Sd_difference = s;
    picture.Description = texts.Description;

    // The caption: the title, then the inputs.
    const double text_room = picture.Width - 2 * Margin;
    const double title_size = Fitted_size(texts.Title, Caption_size, text_room);
    const double title_y = Margin + title_size;
    const double inputs_y = title_y + Caption_line_gap;
    Plot_label title = Label(texts.Title, {Margin, title_y}, Text_anchor::Start, title_size);
    title.Bold = true;
    picture.Labels.push_back(title);
    picture.Labels.push_back(Label(texts.Inputs, {Margin, inputs_y}, Text_anchor::Start,
                                   Fitted_size(texts.Inputs, Label_size, text_room)));

    const double left = Margin + Density_label_room;
    const double right = picture.Width - Right_room;
    const double top = inputs_y + Room_above_area;
    const double bottom = picture.Height - Room_below_area;
    picture.Area_top_left = {left, top};
    picture.Area_bottom_right = {right, bottom};

    // The raw axis: symmetric about 0, out to a round value.
    const double reach = Room_beyond * std::max({Body_in_sds * s, std::abs(d),
                                                  s * std::abs(static_cast<double>(result.Effect_lower)),
                                                  s * std::abs(static_cast<double>(result.Effect_upper))});
    const double step = Round_step(2 * reach, Raw_tick_count);
    const double end = std::ceil(reach / step) * step;
    picture.Raw_x.Units_per_value = (right - left) / (2 * end);
    picture.Raw_x.Origin = left + end * picture.Raw_x.Units_per_value;
    const Plot_scale raw_x = picture.Raw_x;

    // The density axis: from 0 to a round value above the peak.
    const auto peak = static_cast<double>(density(0));
    // The top is a round value close above the peak with its headroom: a
    // multiple of a finer step than the ticks'.
    const double top_step = Round_step(Headroom * peak, 2 * Raw_tick_count);
    const double density_top = std::ceil(Headroom * peak / top_step) * top_step;
    picture.Density_y.Origin = bottom;
    picture.Density_y.Units_per_value = -(bottom - top) / density_top;
    const Plot_scale density_y = picture.Density_y;

    const auto point_at = [&](double x) {
        return Plot_point{raw_x.Position(x), density_y.Position(static_cast<double>(density(x)))};
    };
    for (int i = 0; i < Curve_points; ++i)
        picture.Curve.push_back(point_at(-end + 2 * end * i / (Curve_points - 1)));

    // The tail beyond d on its side; d = 0 counts as the upper side, as in
    // the comparison.
    const double tail_end = d >= 0 ? end : -end;
    picture.Shaded.push_back({raw_x.Position(d), bottom});
    for (int i = 0; i < Shaded_points; ++i)
        picture.Shaded.push_back(point_at(d + (tail_end - d) * i / (Shaded_points - 1)));
    picture.Shaded.push_back({raw_x.Position(tail_end), bottom});

    const double marker_x = raw_x.Position(d);
    picture.Marker = {{marker_x, bottom}, {marker_x, top}};

    // Axes; their titles are centred under the frame, and fitted to the room
    // on the narrower side of that centre.
    const double centre = (left + right) / 2;
    const double title_room = 2 * (std::min(centre, picture.Width - centre) - Margin);
    // Both titles at one size, the longer one fitted.
    const double axis_title_size = std::min(Fitted_size(texts.Raw_axis, Label_size, title_room),
                                            Fitted_size(texts.Effect_axis, Label_size, title_room));
    picture.Raw_axis = Horizontal_axis(bottom, left, right, -end, end, Raw_tick_labels_below, separator,
                                       [&](double value) { return raw_x.Position(value); });
    picture.Raw_axis.Title = Label(texts.Raw_axis, {centre, bottom + Raw_title_below}, Text_anchor::Middle,
                                   axis_title_size);

    const double effect_y = bottom + Effect_axis_below;
    picture.Effect_axis =
        Horizontal_axis(effect_y, left, right, -end / s, end / s, Effect_tick_labels_below - Effect_axis_below,
                        separator, [&](double z) { return raw_x.Position(z * s); });
    picture.Effect_axis.Title = Label(texts.Effect_axis, {centre, bottom + Effect_title_below}, Text_anchor::Middle,
                                      axis_title_size);

    Plot_axis& density_axis = picture.Density_axis;
    density_axis.Line = {{left, bottom}, {left, top}};
    const Tick_values density_ticks = Round_ticks(0, density_top, Density_tick_count);
    for (const double value : density_ticks.Values) {
        const double y = density_y.Position(value);
        density_axis.Values.push_back(value);
        density_axis.Tick_marks.push_back({{left - Tick_length, y}, {left, y}});
        density_axis.Tick_labels.push_back(Label(Format_fixed(value, 1, density_ticks.Decimals, separator),
                                                 {left - Tick_length - 3, y + Tick_label_size / 3},
                                                 Text_anchor::End, Tick_label_size));
    }
    // The density's title sits in the top corner away from d, where the
    // curve is low; the shaded area's labels in the corner on d's side.
    const bool upper_side = d >= 0;
    const Plot_point away_corner = upper_side ? Plot_point{left + Corner_inset, top + 16}
                                              : Plot_point{right - Corner_inset, top + 16};
    const Plot_point near_corner = upper_side ? Plot_point{right - Corner_inset, top + 16}
                                              : Plot_point{left + Corner_inset, top + 16};
    density_axis.Title = Label(texts.Density_axis, away_corner,
                               upper_side ? Text_anchor::Start : Text_anchor::End, Label_size);

    const Limits limits = subject.Request.Limits_kind;
    Plot_interval& bar = picture.Effect_interval;
    bar.Y = bottom + Interval_below;
    bar.Estimate_x = raw_x.Position(static_cast<double>(result.Effect_size) * s);
    bar.Lower_x = limits == Limits::Upper ? left : raw_x.Position(static_cast<double>(result.Effect_lower) * s);
    bar.Upper_x = limits == Limits::Lower ? right : raw_x.Position(static_cast<double>(result.Effect_upper) * s);
    bar.Lower_open = limits == Limits::Upper;
    bar.Upper_open = limits == Limits::Lower;

    // The marker's label above the frame, kept inside the picture; the shaded
    // area's labels on white boxes, over the marker line if need be.
    Plot_label difference = Label(texts.Difference, {}, Text_anchor::Middle, Label_size);
    difference.Bold = true;
    const double half = Text_width(texts.Difference, Label_size) / 2;
    difference.Position = {std::clamp(marker_x, left + half, std::max(left + half, right - half)), top - 8};
    picture.Labels.push_back(difference);
    const Text_anchor near_anchor = upper_side ? Text_anchor::End : Text_anchor::Start;
    const double corner_room = (right - left) * 0.45;
    const std::string corner_texts[] = {texts.Percentage, texts.Percentage_meaning, texts.P_value};
    double corner_size = Label_size;
    for (const std::string& text : corner_texts)
        corner_size = std::min(corner_size, Fitted_size(text, Label_size, corner_room));
    double line_y = near_corner.Y;
    for (const std::string& text : corner_texts) {
        Plot_label label = Label(text, {near_corner.X, line_y}, near_anchor, corner_size);
        label.Boxed = true;
        picture.Labels.push_back(label);
        line_y += Label_line_gap;
    }
    return picture;
}
