// A proxy style that keeps every edge of a framed control visible at any
// scale of the screen. Styles draw frames with 1-pixel pen lines centred on
// the control's outermost pixels; at a fractional scale (1.25, 1.5, a 144 dpi
// screen) the control's edge falls inside a device pixel, and a line on the
// far side of it is clipped away or covered by the neighbouring widget. Here
// the base style's frame is drawn once at scale 1, and each of its lines is
// painted again as a filled rectangle of one logical pixel, which always
// covers whole device pixels inside the control.
#pragma once

#include <QProxyStyle>

class Whole_frame_style : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
