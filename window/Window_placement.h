// Where a window goes when it is created: centred on the available area of
// its screen (the screen less the desktop's panels) when its frame fits
// there; otherwise at the area's top-left corner, so that the title bar lies
// on the screen and the user can still move the window.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The position of the frame's top-left corner.
QPoint Window_position(const QRect& available, const QSize& frame);

// Moves the window there on its current screen. The frame is the window
// manager's once the window has been shown, the bare window before.
void Place_on_screen(QWidget& window);
