// The client area of a fixed-size window, laid out in pixels of a 96 dpi
// screen. The window's controls lie on Controls(), a widget of the design
// size inside a scroll area that fills the window below an optional strip
// along its top (a menu bar). Where the window with its frame fits the
// available area of its screen, the window has the design size and no scroll
// bar shows. Where it does not (a large scale factor on a small screen), the
// window is made as large as fits and the controls scroll inside it; the
// control that takes the focus is scrolled into view, so every control can be
// reached from the keyboard as well as with the scroll bars. The fit is made
// again when the window manager's frame becomes known or changes.
#pragma once

#include <QMargins>
#include <QScrollArea>
#include <QSize>

// The client area in a room (the available area less the frame and the top
// strip): the design size when it fits, without scroll bars; otherwise as
// much of it as fits, with the scroll bars it then needs beside and below it
// and room for them.
struct Client_fit {
    QSize Size;
    bool Vertical_bar = false;
    bool Horizontal_bar = false;
};
Client_fit Fitted_client(QSize design, QSize room, int scroll_bar_extent);

class Client_area : public QScrollArea {
public:
    // Makes the client area of `window`, below a strip `top` pixels high,
    // and fits the window to its screen.
    Client_area(QWidget& window, QSize design, int top = 0);

    // The widget of the design size on which the controls are built.
    QWidget& Controls() const { return *controls_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();
    void Show_focused(QWidget* now);

    QWidget& window_;
    QWidget* controls_;
    int top_;
    QMargins fitted_frame_;
};
