// Checks on how a window is painted, in device pixels.
//
// Whether every framed control of a window shows the four edges of its frame
// as the window is painted at the screen's scale: the window is rendered in
// device pixels, and across each edge, at its middle, some pixel near the
// edge must differ both from the control's inside and from what lies outside
// it. A frame that the control's own contents paint over, or that rounding
// at a fractional scale clips away, leaves only inside and outside colours.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

// The edges that cannot be seen, as "<control> <edge>" (edges: top, bottom,
// left, right); empty when every frame is whole. Only the controls wholly on
// view are looked at: those of a scrolling client area scrolled out of view
// are not painted.
std::vector<std::string> Missing_borders(QWidget& window);

// Whether the whole of the control is on view in the window: inside each of
// its ancestors up to the window (a client area that scrolls clips away what
// lies beyond its view).
bool Wholly_on_view(const QWidget& control, const QWidget& window);

// How many pixels of a control change plainly (by a quarter of the colour
// range or more in some channel) when it takes the focus from `elsewhere`.
int Pixels_changed_by_focus(QWidget& control, QWidget& elsewhere);
