#include "Plot_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "Plot_style.h"

namespace {

using namespace Plot_style;

const QColor Shade_colour(Shade_grey, Shade_grey, Shade_grey);

QPointF Point(const Plot_point& p) { return {p.X, p.Y}; }

QPolygonF Polygon(const std::vector<Plot_point>& points)
{
    QPolygonF polygon;
    for (const Plot_point& p : points)
        polygon << Point(p);
    return polygon;
}

QPen Pen(double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(Qt::black, width, style, Qt::FlatCap, Qt::MiterJoin);
    if (style == Qt::DashLine)
        pen.setDashPattern({Dash_length, Dash_gap});
    return pen;
}

QFont Font(const Plot_label& label)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(label.Size))));
    font.setBold(label.Bold);
    return font;
}

void Draw_label(QPainter& painter, const Plot_label& label)
{
    const QFont font = Font(label);
    const QString text = QString::fromStdString(label.Text);
    const QFontMetricsF metrics(font, painter.device());
    const double width = metrics.horizontalAdvance(text);
    double x = label.Position.X;
    if (label.Anchor == Text_anchor::Middle)
        x -= width / 2;
    else if (label.Anchor == Text_anchor::End)
        x -= width;
    const double y = label.Position.Y;
    if (label.Boxed) {
        const QRectF box(x - Box_padding, y - metrics.ascent() - Box_padding, width + 2 * Box_padding,
                         metrics.ascent() + metrics.descent() + 2 * Box_padding);
        painter.fillRect(box, Qt::white);
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, y), text);
}

void Draw_axis(QPainter& painter, const Plot_axis& axis)
{
    painter.setPen(Pen(Axis_width));
    painter.drawLine(Point(axis.Line.From), Point(axis.Line.To));
    for (const Plot_segment& tick : axis.Tick_marks)
        painter.drawLine(Point(tick.From), Point(tick.To));
    for (const Plot_label& label : axis.Tick_labels)
        Draw_label(painter, label);
    for (const Plot_label& line : axis.Title)
        Draw_label(painter, line);
}

// An arrowhead at `tip` pointing in direction (+1 right, -1 left).
void Draw_arrowhead(QPainter& painter, double tip_x, double y, double direction)
{
    const double back = tip_x - direction * Arrow_length;
    const QPointF head[] = {{tip_x, y}, {back, y - Cap_half_height}, {back, y + Cap_half_height}};
    painter.setBrush(Qt::black);
    painter.drawPolygon(head, 3);
}

void Draw_interval(QPainter& painter, const Plot_interval& bar)
{
    painter.setPen(Pen(Interval_width));
    painter.drawLine(QPointF(bar.Lower_x, bar.Y), QPointF(bar.Upper_x, bar.Y));
    painter.setPen(Pen(Axis_width));
    if (bar.Lower_open)
        Draw_arrowhead(painter, bar.Lower_x, bar.Y, -1);
    else
        painter.drawLine(QPointF(bar.Lower_x, bar.Y - Cap_half_height), QPointF(bar.Lower_x, bar.Y + Cap_half_height));
    if (bar.Upper_open)
        Draw_arrowhead(painter, bar.Upper_x, bar.Y, 1);
    else
        painter.drawLine(QPointF(bar.Upper_x, bar.Y - Cap_half_height), QPointF(bar.Upper_x, bar.Y + Cap_half_height));
    // The estimate: a black diamond on a white edge, visible on the bar.
    const double e = Estimate_half_size;
    const QPointF diamond[] = {{bar.Estimate_x, bar.Y - e}, {bar.Estimate_x + e, bar.Y},
                               {bar.Estimate_x, bar.Y + e}, {bar.Estimate_x - e, bar.Y}};
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(diamond, 4);
}

}  // namespace

void Paint_plot(QPainter& painter, const Plot_picture& picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, picture.Width, picture.Height), Qt::white);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Shade_colour);
    painter.drawPolygon(Polygon(picture.Shaded));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(Pen(Curve_width));
    painter.drawPolyline(Polygon(picture.Curve));

    painter.setPen(Pen(Marker_width, Qt::DashLine));
    painter.drawLine(Point(picture.Marker.From), Point(picture.Marker.To));

    Draw_axis(painter, picture.Raw_axis);
    Draw_axis(painter, picture.Density_axis);
    Draw_axis(painter, picture.Effect_axis);
    Draw_interval(painter, picture.Effect_interval);
    for (const Plot_label& label : picture.Labels)
        Draw_label(painter, label);
    painter.restore();
}

void Paint_plot_scaled(QPainter& painter, const Plot_subject& subject, double device_width, double device_height,
                       double scale)
{
    const Plot_picture picture = Lay_out_plot(subject, device_width / scale, device_height / scale);
    painter.save();
    painter.scale(scale, scale);
    Paint_plot(painter, picture);
    painter.restore();
}
