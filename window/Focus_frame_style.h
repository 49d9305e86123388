// A proxy style that marks the button holding the focus with a plain frame:
// two pixels of the highlight colour just inside its edge, drawn whether the
// focus came by keyboard, by mouse or from the program, so that the button
// Return would press is always plain to see.
#pragma once

#include <QProxyStyle>

class Focus_frame_style : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
