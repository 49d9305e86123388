#include "Plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

#include "Difference_density.h"
#include "Plot_style.h"
#include "Plot_texts.h"
#include "Plot_ticks.h"
#include "Text_metrics.h"

namespace {

// Layout in plot units: margins, font sizes and line gaps, and the bands
// above and under the curve's frame, each measured from the line before it.
constexpr double Margin = 12;
constexpr double Density_label_room = 58;  // at least, left of the frame
constexpr double Right_room = 14;          // at least, right of the frame
constexpr double Caption_size = 13;
constexpr double Label_size = 12;
constexpr double Tick_label_size = 11;
constexpr double Caption_line_gap = 18;
constexpr double Label_line_gap = 16;
constexpr double Title_line_gap = 15;
constexpr double Room_above_area = 32;     // from the last caption line to the frame
constexpr double Difference_above_area = 8;
constexpr double Tick_length = 5;
constexpr double Tick_label_gap = 3;       // between a density tick and its label
constexpr double Tick_labels_below = 19;   // from an axis to its tick labels
constexpr double Raw_title_below = 18;     // from the raw tick labels to the raw axis title
constexpr double Interval_below = 19;      // from the raw title's last line to the interval bar
constexpr double Effect_axis_below = 16;   // from the interval bar to the effect axis
constexpr double Effect_title_below = 18;  // from the effect tick labels to its title
constexpr double Bottom_room = 7;          // under the effect title's last line
constexpr double Corner_inset = 8;
constexpr double First_corner_line = 16;   // from the frame's top to the corner labels' first line
constexpr double Marker_gap = 6;           // between the marker and a label beside it
constexpr double Curve_clearance = 4;      // between the labels in the frame and the curve under them
// The curve is lowered to pass under the labels only while it keeps this
// share of the frame's height.
constexpr double Smallest_clear_share = 0.4;
constexpr double Tick_labels_apart = 8;    // between neighbouring tick labels

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
// Tick labels are thinned to every second, then every fourth value.
constexpr int Label_strides[] = {1, 2, 4};

Plot_label Label(std::string text, Plot_point at, Text_anchor anchor, double size, bool bold = false)
{
    Plot_label label;
    label.Text = std::move(text);
    label.Position = at;
    label.Anchor = anchor;
    label.Size = size;
    label.Bold = bold;
    return label;
}

double Width(const std::string& text, double size, bool bold = false) { return Text_width(text, size, bold); }

// The longest start of text (whole UTF-8 characters) that fits in room;
// at least its first character.
std::size_t Fitting_prefix(const std::string& text, double size, bool bold, double room)
{
    std::size_t end = 0;
    for (std::size_t next = 1; next <= text.size(); ++next) {
        if (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            continue;  // inside a character
        if (end > 0 && Width(text.substr(0, next), size, bold) > room)
            break;
        end = next;
    }
    return end;
}

// The text broken at blanks into lines that fit in room at the size; a word
// longer than a whole line is broken where the room ends.
std::vector<std::string> Wrapped(const std::string& text, double size, bool bold, double room)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t blank = std::min(text.find(' ', begin), text.size());
        std::string word = text.substr(begin, blank - begin);
        begin = blank + 1;
        std::string joined = line;
        if (!joined.empty())
            joined += ' ';
        joined += word;
        if (Width(joined, size, bold) <= room) {
            line = joined;
            continue;
        }
        if (!line.empty())
            lines.push_back(line);
        while (Width(word, size, bold) > room) {
            const std::size_t cut = Fitting_prefix(word, size, bold, room);
            lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
        line = word;
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

// The power of ten at or below value > 0, as a scale's unit.
Extended Unit_of(Extended value)
{
    return std::pow(Extended(10), std::floor(std::log10(value)));
}

int Exponent_of(Extended power_of_ten) { return static_cast<int>(std::lround(std::log10(power_of_ten))); }

// Round ticks of [low, high] (in units of `unit`) with their labels' texts.
struct Axis_ticks {
    Tick_values Ticks;
    Extended Unit = 1;
    std::vector<std::string> Texts;
    double Widest = 0;
};

Axis_ticks Ticks_of(double low, double high, Extended unit, int target_count, char separator)
{
    Axis_ticks axis;
    axis.Ticks = Round_ticks(low, high, target_count);
    axis.Unit = unit;
    const int step_exponent =
        static_cast<int>(std::floor(std::log10(axis.Ticks.Step) + 1e-9)) + Exponent_of(unit);
    for (const double value : axis.Ticks.Values) {
        axis.Texts.push_back(Tick_text(value * unit, step_exponent, separator));
        axis.Widest = std::max(axis.Widest, Width(axis.Texts.back(), Tick_label_size));
    }
    return axis;
}

// A horizontal axis at y from left to right: the ticks placed by to_x (from
// a value in the axis's units), labelled at every stride-th value (counted
// from 0) so that neighbouring labels keep apart.
template <class To_x>
Plot_axis Horizontal_axis(double y, double left, double right, const Axis_ticks& ticks, To_x to_x)
{
    Plot_axis axis;
    axis.Line = {{left, y}, {right, y}};
    const std::vector<double>& values = ticks.Ticks.Values;
    const double spacing = values.size() > 1 ? std::abs(to_x(values[1] * ticks.Unit) - to_x(values[0] * ticks.Unit))
                                             : right - left;
    int stride = Label_strides[0];
    for (const int candidate : Label_strides) {
        stride = candidate;
        if (ticks.Widest + Tick_labels_apart <= stride * spacing)
            break;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Extended value = values[i] * ticks.Unit;
        const double x = to_x(value);
        axis.Values.push_back(value);
        axis.Tick_marks.push_back({{x, y}, {x, y + Tick_length}});
        if (std::lround(values[i] / ticks.Ticks.Step) % stride == 0)
            axis.Tick_labels.push_back(Label(ticks.Texts[i], {x, y + Tick_labels_below}, Text_anchor::Middle,
                                             Tick_label_size));
    }
    return axis;
}

// Lines centred at x, the first baseline at y.
std::vector<Plot_label> Centred_lines(const std::vector<std::string>& lines, double x, double y, double size)
{
    std::vector<Plot_label> labels;
    for (const std::string& line : lines) {
        labels.push_back(Label(line, {x, y}, Text_anchor::Middle, size));
        y += Title_line_gap;
    }
    return labels;
}

// The labels in the top band of the frame: the density axis's title in the
// corner away from d, where the curve is low, and the shaded area's lines
// (its percentage, what that means, its p) on white boxes in the corner on
// d's side, or under the density's title when the marker leaves too little
// room there.
struct Corner_texts {
    std::vector<std::string> Tail;  // the shaded area's lines
    std::string Density;
};

struct Corner_layout {
    std::vector<Plot_label> Tail;
    std::optional<Plot_label> Density;
};

// Positions along the frame's top measured inwards from the frame's edge on
// d's side (`near`) towards the other (`far`), so that one rule serves d on
// either side of 0.
struct Top_band {
    double Near = 0;      // x of the frame's edge on d's side
    double Far = 0;       // x of the other edge
    double Inwards = 1;   // the sign of a step from Near towards Far
    double Marker = 0;    // x of the marker
    double First_line = 0;

    // The anchor of a text that runs from its position inwards (towards Far)
    // or outwards (towards Near).
    Text_anchor Running_inwards() const { return Inwards < 0 ? Text_anchor::End : Text_anchor::Start; }
    Text_anchor Running_outwards() const { return Inwards < 0 ? Text_anchor::Start : Text_anchor::End; }
    // The room between the marker and each edge, less the gaps.
    double Near_room() const { return std::abs(Near - Marker) - Corner_inset - Marker_gap; }
    double Far_room() const { return std::abs(Marker - Far) - Corner_inset - Marker_gap; }
};

std::vector<Plot_label> Tail_lines(const std::vector<std::string>& lines, double x, double first_y,
                                   Text_anchor anchor, double size)
{
    std::vector<Plot_label> labels;
    double y = first_y;
    for (const std::string& line : lines) {
        Plot_label label = Label(line, {x, y}, anchor, size);
        label.Boxed = true;
        labels.push_back(label);
        y += Label_line_gap;
    }
    return labels;
}

// What the top band holds, in the order tried: the texts at their size, at
// the smallest size, without the tail's second line (what the percentage
// means), and then without the density's title.
struct Corner_attempt {
    double Size;
    bool Meaning;
    bool Density;
};

constexpr Corner_attempt Corner_attempts[] = {
    {Label_size, true, true},          {Plot_smallest_text, true, true},   {Label_size, false, true},
    {Plot_smallest_text, false, true}, {Plot_smallest_text, false, false},
};

// The first arrangement that fits for the first attempt that has one.
Corner_layout Corner_labels(const Corner_texts& texts, const Top_band& band)
{
    const double near_x = band.Near + band.Inwards * Corner_inset;
    const double far_x = band.Far - band.Inwards * Corner_inset;
    const double y = band.First_line;
    for (const Corner_attempt& attempt : Corner_attempts) {
        std::vector<std::string> tail = texts.Tail;
        if (!attempt.Meaning)
            tail.erase(tail.begin() + 1);
        double tail_width = 0;
        for (const std::string& line : tail)
            tail_width = std::max(tail_width, Width(line, attempt.Size) + 2 * Plot_style::Box_padding);
        const double density_width = attempt.Density ? Width(texts.Density, attempt.Size) : 0;
        std::optional<Plot_label> density;
        if (attempt.Density)
            density = Label(texts.Density, {far_x, y}, band.Running_outwards(), attempt.Size);
        // The tail in the near corner, the density's title in the far one.
        if (tail_width <= band.Near_room() && density_width <= band.Far_room())
            return {Tail_lines(tail, near_x, y, band.Running_inwards(), attempt.Size), density};
        // Both in the far corner, where the curve's other tail is low: the
        // density's title, the tail's lines under it.
        if (std::max(tail_width, density_width) <= band.Far_room())
            return {Tail_lines(tail, far_x, y + (attempt.Density ? Label_line_gap : 0), band.Running_outwards(),
                               attempt.Size),
                    density};
    }
    // Never at the layout's sizes: the last attempt in the near corner.
    std::vector<std::string> tail = texts.Tail;
    tail.erase(tail.begin() + 1);
    return {Tail_lines(tail, near_x, y, band.Running_inwards(), Plot_smallest_text), std::nullopt};
}

// The caption at the top: the title, then the inputs, each wrapped to the
// width. Returns the top of the curve's frame, under the caption.
double Lay_out_caption(const Plot_texts& texts, Plot_picture& picture)
{
    const double text_room = picture.Width - 2 * Margin;
    double line_y = Margin + Caption_size - Caption_line_gap;
    for (const std::string& line : Wrapped(texts.Title, Caption_size, true, text_room))
        picture.Labels.push_back(Label(line, {Margin, line_y += Caption_line_gap}, Text_anchor::Start, Caption_size,
                                       true));
    for (const std::string& line : Wrapped(texts.Inputs, Label_size, false, text_room))
        picture.Labels.push_back(Label(line, {Margin, line_y += Caption_line_gap}, Text_anchor::Start, Label_size));
    return line_y + Room_above_area;
}

// The ticks of the two horizontal axes. The raw axis: symmetric about 0,
// out to a round value, in units of a power of ten near its reach (scaled
// values lie in [1.1, 11)); the effect axis: the same positions in units of
// the SD of the difference.
struct Horizontal_ticks {
    Axis_ticks Raw;
    Axis_ticks Effect;
    double End = 0;  // of the raw axis, in its units
};

Horizontal_ticks Horizontal_ticks_for(const Comparison_result& result, char separator)
{
    const Extended s = result.Sd_difference;
    const Extended reach = std::max({Body_in_sds * s, std::abs(result.Raw_difference),
                                     s * std::abs(result.Effect_lower), s * std::abs(result.Effect_upper)});
    const Extended raw_unit = Unit_of(reach);
    const double scaled_reach = Room_beyond * static_cast<double>(reach / raw_unit);
    const double step = Round_step(2 * scaled_reach, Raw_tick_count);
    Horizontal_ticks ticks;
    ticks.End = std::ceil(scaled_reach / step) * step;
    ticks.Raw = Ticks_of(-ticks.End, ticks.End, raw_unit, Raw_tick_count, separator);
    const Extended effect_end = ticks.End * raw_unit / s;
    const Extended effect_unit = Unit_of(effect_end);
    const auto effect_scaled_end = static_cast<double>(effect_end / effect_unit);
    ticks.Effect = Ticks_of(-effect_scaled_end, effect_scaled_end, effect_unit, Raw_tick_count, separator);
    return ticks;
}

// The curve's frame and what decides its size: the density axis's ticks left
// of it, the titles of the horizontal axes and the bands under it, the
// labels in its top band.
struct Frame {
    double Left = 0;
    double Right = 0;
    double Top = 0;
    double Bottom = 0;
    Axis_ticks Density_ticks;
    double Density_top = 0;  // in the density ticks' unit
    std::vector<std::string> Raw_title;
    std::vector<std::string> Effect_title;
    // The first baselines under the frame, measured from its bottom.
    struct {
        double Raw_title = 0;
        double Interval = 0;
        double Effect_axis = 0;
        double Effect_title = 0;
    } Under;
    Plot_scale Raw_x;
    Corner_layout Corner;

    double Centre() const { return (Left + Right) / 2; }
};

// The frame for a density axis reaching scaled_top (in density_unit), or
// the round value its ticks end on close above.
Frame Frame_for(const Plot_subject& subject, const Plot_texts& texts, double width, double height, double top,
                const Horizontal_ticks& horizontal, Extended density_unit, double scaled_top)
{
    Frame frame;
    frame.Top = top;
    const double top_step = Round_step(scaled_top, 2 * Raw_tick_count);
    frame.Density_top = std::ceil(scaled_top / top_step) * top_step;
    frame.Density_ticks =
        Ticks_of(0, frame.Density_top, density_unit, Density_tick_count, subject.Decimal_separator);

    // Left of the frame the density's tick labels, right of it half the
    // widest label of the horizontal axes, whose ends are labelled there.
    frame.Left = Margin + std::max(Density_label_room, frame.Density_ticks.Widest + Tick_length + Tick_label_gap);
    frame.Right = width - std::max(Right_room, std::max(horizontal.Raw.Widest, horizontal.Effect.Widest) / 2 + 1);
    const double centre = frame.Centre();

    // The axis titles, centred under the frame and wrapped to the room on
    // the narrower side of that centre; the bands under the frame follow.
    const double title_room = 2 * (std::min(centre, width - centre) - Margin);
    frame.Raw_title = Wrapped(texts.Raw_axis, Label_size, false, title_room);
    frame.Effect_title = Wrapped(texts.Effect_axis, Label_size, false, title_room);
    const double raw_title_y = Tick_labels_below + Raw_title_below;
    const double bar_y =
        raw_title_y + Title_line_gap * static_cast<double>(frame.Raw_title.size() - 1) + Interval_below;
    const double effect_y = bar_y + Effect_axis_below;
    const double effect_title_y = effect_y + Tick_labels_below + Effect_title_below;
    frame.Bottom =
        height - (effect_title_y + Title_line_gap * static_cast<double>(frame.Effect_title.size() - 1) + Bottom_room);
    frame.Under = {raw_title_y, bar_y, effect_y, effect_title_y};

    frame.Raw_x.Unit = horizontal.Raw.Unit;
    frame.Raw_x.Units_per_value = (frame.Right - frame.Left) / (2 * horizontal.End);
    frame.Raw_x.Origin = frame.Left + horizontal.End * frame.Raw_x.Units_per_value;

    const bool upper_side = subject.Result.Raw_difference >= 0;
    Top_band band;
    band.Near = upper_side ? frame.Right : frame.Left;
    band.Far = upper_side ? frame.Left : frame.Right;
    band.Inwards = upper_side ? -1 : 1;
    band.Marker = frame.Raw_x.Position(subject.Result.Raw_difference);
    band.First_line = top + First_corner_line;
    frame.Corner =
        Corner_labels({{texts.Percentage, texts.Percentage_meaning, texts.P_value}, texts.Density_axis}, band);
    return frame;
}

// The height (in density units) the density axis needs for the highest
// density under the labels in the frame's top band (the density falls away
// from 0) to stay below them, when that is above the frame's and the curve
// keeps enough of the frame by being lowered.
std::optional<double> Density_top_under_labels(const Frame& frame, const Difference_density& density)
{
    std::vector<Plot_label> band_labels = frame.Corner.Tail;
    if (frame.Corner.Density)
        band_labels.push_back(*frame.Corner.Density);
    double lowest = frame.Top;
    Extended nearest_0 = std::numeric_limits<Extended>::max();
    for (const Plot_label& label : band_labels) {
        const double label_width = Width(label.Text, label.Size) + 2 * Plot_style::Box_padding;
        const double x0 = label.Position.X - (label.Anchor == Text_anchor::End ? label_width : 0);
        const Extended v0 = frame.Raw_x.Value(x0);
        const Extended v1 = frame.Raw_x.Value(x0 + label_width);
        nearest_0 = std::min(nearest_0, v0 <= 0 && v1 >= 0 ? 0 : std::min(std::abs(v0), std::abs(v1)));
        lowest = std::max(lowest, label.Position.Y + Text_descent * label.Size + Plot_style::Box_padding);
    }
    const double clear_height = frame.Bottom - lowest - Curve_clearance;
    if (band_labels.empty() || clear_height < Smallest_clear_share * (frame.Bottom - frame.Top))
        return std::nullopt;
    const double needed = static_cast<double>(density(nearest_0) / frame.Density_ticks.Unit) *
                          (frame.Bottom - frame.Top) / clear_height;
    if (needed <= frame.Density_top)
        return std::nullopt;
    return needed;
}

// The frame with the density axis from 0 to a round value close above the
// peak with its headroom (a multiple of a finer step than the ticks'), or
// higher where the curve would otherwise run under the labels in the frame's
// top band. A second pass lays out again for a higher density axis, whose
// labels may need more room left of the frame.
Frame Lay_out_frame(const Plot_subject& subject, const Plot_texts& texts, const Plot_picture& picture, double top,
                    const Horizontal_ticks& horizontal, const Difference_density& density)
{
    const Extended peak = density(0);
    const Extended density_unit = Unit_of(peak);
    double scaled_top = Headroom * static_cast<double>(peak / density_unit);
    Frame frame;
    for (int pass = 0; pass < 2; ++pass) {
        frame = Frame_for(subject, texts, picture.Width, picture.Height, top, horizontal, density_unit, scaled_top);
        const std::optional<double> needed = Density_top_under_labels(frame, density);
        if (!needed)
            break;
        scaled_top = *needed;
    }
    return frame;
}

// The frame, its scales, the curve, the shaded tail beyond d on its side
// (d = 0 counts as the upper side, as in the comparison), the marker at d
// and the density axis on the frame's left.
void Lay_out_curve(const Frame& frame, const Horizontal_ticks& horizontal, Extended d,
                   const Difference_density& density, Plot_picture& picture)
{
    const double left = frame.Left;
    const double bottom = frame.Bottom;
    picture.Area_top_left = {left, frame.Top};
    picture.Area_bottom_right = {frame.Right, bottom};
    picture.Raw_x = frame.Raw_x;
    const Extended density_unit = frame.Density_ticks.Unit;
    picture.Density_y.Unit = density_unit;
    picture.Density_y.Origin = bottom;
    picture.Density_y.Units_per_value = -(bottom - frame.Top) / frame.Density_top;
    const Plot_scale raw_x = picture.Raw_x;
    const Plot_scale density_y = picture.Density_y;

    const auto point_at = [&](Extended x) { return Plot_point{raw_x.Position(x), density_y.Position(density(x))}; };
    const Extended raw_end = horizontal.End * horizontal.Raw.Unit;
    for (int i = 0; i < Curve_points; ++i)
        picture.Curve.push_back(point_at(-raw_end + 2 * raw_end * i / (Curve_points - 1)));

    const Extended tail_end = d >= 0 ? raw_end : -raw_end;
    picture.Shaded.push_back({raw_x.Position(d), bottom});
    for (int i = 0; i < Shaded_points; ++i)
        picture.Shaded.push_back(point_at(d + (tail_end - d) * i / (Shaded_points - 1)));
    picture.Shaded.push_back({raw_x.Position(tail_end), bottom});

    const double marker_x = raw_x.Position(d);
    picture.Marker = {{marker_x, bottom}, {marker_x, frame.Top}};

    Plot_axis& density_axis = picture.Density_axis;
    density_axis.Line = {{left, bottom}, {left, frame.Top}};
    const Axis_ticks& ticks = frame.Density_ticks;
    for (std::size_t i = 0; i < ticks.Ticks.Values.size(); ++i) {
        const Extended value = ticks.Ticks.Values[i] * density_unit;
        const double y = density_y.Position(value);
        density_axis.Values.push_back(value);
        density_axis.Tick_marks.push_back({{left - Tick_length, y}, {left, y}});
        density_axis.Tick_labels.push_back(Label(ticks.Texts[i], {left - Tick_length - Tick_label_gap,
                                                                  y + Tick_label_size / 3},
                                                 Text_anchor::End, Tick_label_size));
    }
}

// The raw axis along the frame's bottom, its title under it.
void Lay_out_raw_axis(const Frame& frame, const Axis_ticks& ticks, Plot_picture& picture)
{
    const Plot_scale raw_x = frame.Raw_x;
    picture.Raw_axis = Horizontal_axis(frame.Bottom, frame.Left, frame.Right, ticks, [&](Extended value) {
        return raw_x.Position(value);
    });
    picture.Raw_axis.Title =
        Centred_lines(frame.Raw_title, frame.Centre(), frame.Bottom + frame.Under.Raw_title, Label_size);
}

// Under the raw axis's title: the effect size's interval bar (open towards a
// side without a limit), then the effect axis and its title.
void Lay_out_effect_axis(const Frame& frame, const Axis_ticks& ticks, const Plot_subject& subject,
                         Plot_picture& picture)
{
    const Comparison_result& result = subject.Result;
    const Extended s = result.Sd_difference;
    const Plot_scale raw_x = frame.Raw_x;
    picture.Effect_axis = Horizontal_axis(frame.Bottom + frame.Under.Effect_axis, frame.Left, frame.Right, ticks,
                                          [&](Extended z) { return raw_x.Position(z * s); });
    picture.Effect_axis.Title =
        Centred_lines(frame.Effect_title, frame.Centre(), frame.Bottom + frame.Under.Effect_title, Label_size);

    const Limits limits = subject.Request.Limits_kind;
    Plot_interval& bar = picture.Effect_interval;
    bar.Y = frame.Bottom + frame.Under.Interval;
    bar.Estimate_x = raw_x.Position(result.Effect_size * s);
    bar.Lower_x = limits == Limits::Upper ? frame.Left : raw_x.Position(result.Effect_lower * s);
    bar.Upper_x = limits == Limits::Lower ? frame.Right : raw_x.Position(result.Effect_upper * s);
    bar.Lower_open = limits == Limits::Upper;
    bar.Upper_open = limits == Limits::Lower;
}

// The marker's label above the frame, kept inside the picture, and the
// labels in the frame's top band.
void Lay_out_corner_labels(const Frame& frame, const Plot_texts& texts, Plot_picture& picture)
{
    const double marker_x = picture.Marker.From.X;
    const double left = frame.Left;
    const double half = Width(texts.Difference, Label_size, true) / 2;
    picture.Labels.push_back(Label(texts.Difference,
                                   {std::clamp(marker_x, left + half, std::max(left + half, frame.Right - half)),
                                    frame.Top - Difference_above_area},
                                   Text_anchor::Middle, Label_size, true));

    if (frame.Corner.Density)
        picture.Density_axis.Title.push_back(*frame.Corner.Density);
    picture.Labels.insert(picture.Labels.end(), frame.Corner.Tail.begin(), frame.Corner.Tail.end());
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
    const Plot_texts texts = Texts_for(subject);
    const Difference_density density(result.Df, result.Sd_difference);

    Plot_picture picture;
    picture.Width = std::max(width, Plot_minimum_width);
    picture.Height = std::max(height, Plot_minimum_height);
    picture.Description = texts.Description;

    const double top = Lay_out_caption(texts, picture);
    const Horizontal_ticks horizontal = Horizontal_ticks_for(result, subject.Decimal_separator);
    const Frame frame = Lay_out_frame(subject, texts, picture, top, horizontal, density);
    Lay_out_curve(frame, horizontal, result.Raw_difference, density, picture);
    Lay_out_raw_axis(frame, horizontal.Raw, picture);
    Lay_out_effect_axis(frame, horizontal.Effect, subject, picture);
    Lay_out_corner_labels(frame, texts, picture);
    return picture;
}
