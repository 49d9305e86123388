#include "Focus_frame_style.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {

// The frame's distance from the button's edge and its width, in pixels.
constexpr int Inset = 3;
constexpr int Width = 2;

}  // namespace

void Focus_frame_style::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    // Filled strips rather than pen lines, so that the frame stays whole at
    // fractional scales.
    const QRect frame = option->rect.adjusted(Inset, Inset, -Inset, -Inset);
    const QColor colour = option->palette.color(QPalette::Active, QPalette::Highlight);
    painter->fillRect(QRect(frame.left(), frame.top(), frame.width(), Width), colour);
    painter->fillRect(QRect(frame.left(), frame.bottom() - Width + 1, frame.width(), Width), colour);
    painter->fillRect(QRect(frame.left(), frame.top(), Width, frame.height()), colour);
    painter->fillRect(QRect(frame.right() - Width + 1, frame.top(), Width, frame.height()), colour);
}
