#include "Window_placement.h"

#include <QScreen>
#include <QWidget>

QPoint Window_position(const QRect& available, const QSize& frame)
{
    if (frame.width() > available.width() || frame.height() > available.height())
        return available.topLeft();
    return available.topLeft()
           + QPoint((available.width() - frame.width()) / 2, (available.height() - frame.height()) / 2);
}

void Place_on_screen(QWidget& window)
{
    // A window's position is that of its frame.
    window.move(Window_position(window.screen()->availableGeometry(), window.frameGeometry().size()));
}
