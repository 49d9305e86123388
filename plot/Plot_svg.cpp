#include "Plot_svg.h"

#include <string_view>

#include "Number_format.h"
#include "Plot_geometry.h"
#include "Plot_style.h"
#include "Text_metrics.h"
#include "Utf8_text.h"

namespace {

// Coordinates to a hundredth of a unit, with a full stop whatever the locale.
std::string Number(double value) { return Format_trimmed(value, 2, '.'); }

// Text for XML character data and attribute values: the five markup
// characters as entities, control characters (which XML 1.0 forbids, and a
// label is one line) as blanks, and bytes that begin no well-formed UTF-8
// character, or the non-characters U+FFFE and U+FFFF, as U+FFFD.
std::string Xml_text(std::string_view text)
{
    std::string escaped;
    while (!text.empty()) {
        const std::size_t length = Utf8_length(text);
        const std::string_view character = text.substr(0, length == 0 ? 1 : length);
        text.remove_prefix(character.size());
        if (length == 0 || character == "\xEF\xBF\xBE" || character == "\xEF\xBF\xBF") {
            escaped += Replacement_character;
            continue;
        }
        switch (character.front()) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        default:
            if (static_cast<unsigned char>(character.front()) < 0x20)
                escaped += ' ';
            else
                escaped += character;
        }
    }
    return escaped;
}

std::string Point(const Plot_point& p) { return Number(p.X) + "," + Number(p.Y); }

std::string Points(const std::vector<Plot_point>& points)
{
    std::string text;
    for (const Plot_point& p : points)
        text += (text.empty() ? "" : " ") + Point(p);
    return text;
}

std::string Stroke(double width) { return R"( stroke="#000" stroke-width=")" + Number(width) + "\""; }

std::string Line(Plot_point from, Plot_point to, const std::string& pen)
{
    return "<line x1=\"" + Number(from.X) + "\" y1=\"" + Number(from.Y) + "\" x2=\"" + Number(to.X) + "\" y2=\"" +
           Number(to.Y) + "\"" + pen + "/>\n";
}

std::string Polygon(const std::vector<Plot_point>& points, const std::string& paint)
{
    return "<polygon points=\"" + Points(points) + "\"" + paint + "/>\n";
}

std::string Label(const Plot_label& label)
{
    std::string svg;
    const double width = Text_width(label.Text, label.Size, label.Bold);
    double left = label.Position.X;
    std::string_view anchor = "start";
    if (label.Anchor == Text_anchor::Middle) {
        left -= width / 2;
        anchor = "middle";
    } else if (label.Anchor == Text_anchor::End) {
        left -= width;
        anchor = "end";
    }
    if (label.Boxed) {
        const double pad = Plot_style::Box_padding;
        svg += "<rect x=\"" + Number(left - pad) + "\" y=\"" +
               Number(label.Position.Y - Text_ascent * label.Size - pad) + "\" width=\"" + Number(width + 2 * pad) +
               "\" height=\"" + Number((Text_ascent + Text_descent) * label.Size + 2 * pad) + "\" fill=\"#fff\"/>\n";
    }
    svg += "<text x=\"" + Number(label.Position.X) + "\" y=\"" + Number(label.Position.Y) + "\" font-size=\"" +
           Number(label.Size) + "\"";
    if (anchor != "start")
        svg += " text-anchor=\"" + std::string(anchor) + "\"";
    if (label.Bold)
        svg += " font-weight=\"bold\"";
    return svg + ">" + Xml_text(label.Text) + "</text>\n";
}

std::string Axis(const Plot_axis& axis)
{
    const std::string pen = Stroke(Plot_style::Axis_width);
    std::string svg = Line(axis.Line.From, axis.Line.To, pen);
    for (const Plot_segment& tick : axis.Tick_marks)
        svg += Line(tick.From, tick.To, pen);
    for (const Plot_label& label : axis.Tick_labels)
        svg += Label(label);
    for (const Plot_label& line : axis.Title)
        svg += Label(line);
    return svg;
}

// The end of the interval bar at x: a cap across the bar, or an arrowhead
// pointing outwards (direction +1 right, -1 left) when that end is open.
std::string Bar_end(double x, double y, bool open, double direction)
{
    using namespace Plot_style;
    if (!open)
        return Line({x, y - Cap_half_height}, {x, y + Cap_half_height}, Stroke(Axis_width));
    const double back = x - direction * Arrow_length;
    return Polygon({{x, y}, {back, y - Cap_half_height}, {back, y + Cap_half_height}},
                   " fill=\"#000\"" + Stroke(Axis_width));
}

std::string Interval(const Plot_interval& bar)
{
    using namespace Plot_style;
    std::string svg = Line({bar.Lower_x, bar.Y}, {bar.Upper_x, bar.Y}, Stroke(Interval_width));
    svg += Bar_end(bar.Lower_x, bar.Y, bar.Lower_open, -1);
    svg += Bar_end(bar.Upper_x, bar.Y, bar.Upper_open, 1);
    const double e = Estimate_half_size;
    return svg + Polygon({{bar.Estimate_x, bar.Y - e}, {bar.Estimate_x + e, bar.Y}, {bar.Estimate_x, bar.Y + e},
                          {bar.Estimate_x - e, bar.Y}},
                         R"( fill="#000" stroke="#fff" stroke-width="1")");
}

}  // namespace

std::string Plot_svg(const Plot_subject& subject, double width, double height)
{
    using namespace Plot_style;
    const Plot_picture picture = Lay_out_plot(subject, width, height);
    const std::string w = Number(picture.Width);
    const std::string h = Number(picture.Height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h +
                      "\" viewBox=\"0 0 " + w + " " + h + "\" font-family=\"" +
                      std::string(Plot_font_families) + "\" xml:space=\"preserve\" role=\"img\">\n";
    svg += "<title>" + Xml_text(subject.Title) + "</title>\n";
    svg += "<desc>" + Xml_text(picture.Description) + "</desc>\n";
    svg += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#fff\"/>\n";
    const std::string grey = std::to_string(Shade_grey);
    svg += Polygon(picture.Shaded, " fill=\"rgb(" + grey + "," + grey + "," + grey + ")\"");
    svg += "<polyline points=\"" + Points(picture.Curve) + R"(" fill="none")" + Stroke(Curve_width) + "/>\n";
    svg += Line(picture.Marker.From, picture.Marker.To,
                Stroke(Marker_width) + " stroke-dasharray=\"" + Number(Dash_length * Marker_width) + " " +
                    Number(Dash_gap * Marker_width) + "\"");
    svg += Axis(picture.Raw_axis);
    svg += Axis(picture.Density_axis);
    svg += Axis(picture.Effect_axis);
    svg += Interval(picture.Effect_interval);
    for (const Plot_label& label : picture.Labels)
        svg += Label(label);
    return svg + "</svg>\n";
}
