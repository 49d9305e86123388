#include "Rendering_check.h"

#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The smallest difference in one colour channel that reads as a line (the
// light side of a bevel differs by 16 from the face colour).
constexpr int Visible_difference = 8;

int Difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

bool Framed(const QWidget& control)
{
    if (const auto* frame = qobject_cast<const QFrame*>(&control))
        return frame->frameShape() != QFrame::NoFrame && frame->frameWidth() > 0;
    return qobject_cast<const QLineEdit*>(&control) != nullptr || qobject_cast<const QPushButton*>(&control) != nullptr;
}

// One edge of a control's rectangle (logical pixels of the window): the
// boundary between outside and inside lies at `boundary` across the edge, and
// `outward` (+1 or -1) is the direction that leaves the control.
struct Edge {
    const char* Name;
    bool Horizontal;  // top and bottom: the line across the edge is vertical
    double Boundary;
    int Outward;
    double Middle;    // along the edge
};

class Rendering {
public:
    explicit Rendering(QWidget& window) : image_(window.grab().toImage()), scale_(image_.devicePixelRatio()) {}

    // The colour at `offset` logical pixels outwards from the edge's boundary.
    QRgb At(const Edge& edge, double offset) const { return Device(edge, Device_index(edge.Boundary + edge.Outward * offset)); }

    // Whether a pixel of the band from 2 pixels inside to 1 pixel outside the
    // boundary (where a 1- or 2-pixel frame is drawn) stands out from both
    // the inside and the outside.
    bool Shows(const Edge& edge) const
    {
        const QRgb inside = At(edge, -3.5);
        const QRgb outside = At(edge, 3.5);
        const int first = Device_index(edge.Boundary - 2 * edge.Outward);
        const int last = Device_index(edge.Boundary + edge.Outward);
        for (int index = std::min(first, last); index <= std::max(first, last); ++index) {
            const QRgb colour = Device(edge, index);
            if (Difference(colour, inside) >= Visible_difference && Difference(colour, outside) >= Visible_difference)
                return true;
        }
        return false;
    }

private:
    int Device_index(double logical) const { return static_cast<int>(std::floor(logical * scale_)); }

    QRgb Device(const Edge& edge, int across) const
    {
        const int along = Device_index(edge.Middle);
        const int x = edge.Horizontal ? along : across;
        const int y = edge.Horizontal ? across : along;
        return image_.valid(x, y) ? image_.pixel(x, y) : 0;
    }

    QImage image_;
    double scale_;
};

}  // namespace

bool Wholly_on_view(const QWidget& control, const QWidget& window)
{
    for (const QWidget* ancestor = control.parentWidget(); ancestor != nullptr; ancestor = ancestor->parentWidget()) {
        if (!ancestor->rect().contains(QRect(control.mapTo(ancestor, QPoint(0, 0)), control.size())))
            return false;
        if (ancestor == &window)
            break;
    }
    return true;
}

int Pixels_changed_by_focus(QWidget& control, QWidget& elsewhere)
{
    elsewhere.setFocus();
    const QImage without = control.grab().toImage();
    control.setFocus();
    const QImage with = control.grab().toImage();
    constexpr int Plain_difference = 64;
    int changed = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (Difference(with.pixel(x, y), without.pixel(x, y)) >= Plain_difference)
                ++changed;
    return changed;
}

std::vector<std::string> Missing_borders(QWidget& window)
{
    const Rendering rendering(window);
    std::vector<std::string> missing;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || !Framed(*control) || !Wholly_on_view(*control, window))
            continue;
        const QRectF area(control->mapTo(&window, QPoint(0, 0)), control->size());
        const Edge edges[] = {
            {"top", true, area.top(), -1, area.center().x()},
            {"bottom", true, area.bottom(), +1, area.center().x()},
            {"left", false, area.left(), -1, area.center().y()},
            {"right", false, area.right(), +1, area.center().y()},
        };
        for (const Edge& edge : edges)
            if (!rendering.Shows(edge))
                missing.push_back(control->objectName().toStdString() + " " + edge.Name);
    }
    return missing;
}
