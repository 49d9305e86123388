#include "Whole_frame_style.h"

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace {

// The frame is sampled on a copy at most this large: its lines are uniform
// along each side, and the middle of a side lies clear of rounded corners.
constexpr int Sample_size = 40;

}  // namespace

void Whole_frame_style::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const auto* framed = qobject_cast<const QFrame*>(widget);
    // At whole-number scales every line lands on whole device pixels.
    const double scale = painter->device()->devicePixelRatio();
    if (element != CE_ShapedFrame || frame == nullptr || framed == nullptr || scale == std::floor(scale)
        || frame->frameShape == QFrame::HLine || frame->frameShape == QFrame::VLine) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const int width = framed->frameWidth();
    const QRect area = frame->rect;
    if (width <= 0 || area.width() < 2 * width + 2 || area.height() < 2 * width + 2)
        return;

    // The base style's frame at scale 1, on a copy of at most Sample_size square.
    QStyleOptionFrame sample_option = *frame;
    sample_option.rect = QRect(0, 0, std::min(area.width(), Sample_size), std::min(area.height(), Sample_size));
    QImage sample(sample_option.rect.size(), QImage::Format_ARGB32);
    sample.fill(Qt::transparent);
    {
        QPainter sample_painter(&sample);
        QProxyStyle::drawControl(element, &sample_option, &sample_painter, widget);
    }

    // Line i of each side, from the outside in: top and left first, so that
    // the bottom and right lines own the corners as in a bevel.
    const int middle_x = sample.width() / 2;
    const int middle_y = sample.height() / 2;
    const auto fill = [painter](const QRect& strip, QRgb colour) {
        if (qAlpha(colour) != 0)
            painter->fillRect(strip, QColor::fromRgba(colour));
    };
    for (int i = 0; i < width; ++i) {
        const int inner_width = area.width() - 2 * i;
        const int inner_height = area.height() - 2 * i;
        fill({area.left() + i, area.top() + i, inner_width, 1}, sample.pixel(middle_x, i));
        fill({area.left() + i, area.top() + i, 1, inner_height}, sample.pixel(i, middle_y));
        fill({area.left() + i, area.bottom() - i, inner_width, 1}, sample.pixel(middle_x, sample.height() - 1 - i));
        fill({area.right() - i, area.top() + i, 1, inner_height}, sample.pixel(sample.width() - 1 - i, middle_y));
    }
}
