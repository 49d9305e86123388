// A proxy style that gives scroll bars a handle that stands out from its
// groove. Fusion, the style Qt uses where the desktop names none, draws the
// handle a shade lighter than the groove, nearly white on light grey, so that
// the handle reads as the empty part of the bar. Over Fusion the handle is
// drawn again in the palette's mid-tone, darker than the groove as on most
// desktops (darker still under the mouse and while dragged), with an outline
// in the palette's dark shade; other styles keep their own scroll bars.
#pragma once

#include <QProxyStyle>

class Scroll_bar_style : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};
