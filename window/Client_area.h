// The client area of a window, laid out in pixels of a 96 dpi screen. The
// window's controls lie on Controls(), a widget of the design size inside a
// scroll area that fills the window below an optional strip along its top (a
// menu bar). Where the window with its frame fits the available area of its
// screen, the window opens at the design size and no scroll bar shows. Where
// it does not (a large scale factor on a small screen), the window is made as
// large as fits and the controls scroll inside it; the control that takes the
// focus is scrolled into view, so every control can be reached from the
// keyboard as well as with the scroll bars. The fit is made again when the
// window manager's frame first becomes known; after that the window stays
// where it is and as large as it is, however often it is hidden and shown.
//
// A fixed window keeps its size. A resizable one (its controls given a least
// size below the design's) can be resized and maximised by the user: the
// controls fill the client area, which scrolls only where it is smaller than
// their least size.
#pragma once

#include <QMargins>
#include <QPointer>
#include <QScrollArea>
#include <QSize>

// The client area in a room (the available area less the frame and the top
// strip): the design size when it fits, without scroll bars; otherwise as
// much of it as fits. Scroll bars come where the controls' least size (the
// design size when not given) does not fit, with room for them beside and
// below it.
struct Client_fit {
    QSize Size;
    bool Vertical_bar = false;
    bool Horizontal_bar = false;
};
Client_fit Fitted_client(QSize design, QSize room, int scroll_bar_extent, QSize least = {});

class Client_area : public QScrollArea {
public:
    // Makes the client area of `window`, below a strip `top` pixels high,
    // and fits the window to its screen. With a valid `least` smaller than
    // the design, the window can be resized, its controls no smaller than it.
    // `controls` is the widget that holds the controls, when they are built
    // before the area (a new, empty one when null).
    Client_area(QWidget& window, QSize design, int top = 0, QSize least = {}, QWidget* controls = nullptr);

    // The widget of the design size on which the controls are built.
    QWidget& Controls() const { return *controls_; }

    // The control brought into view each time the window is shown, before
    // the one that has the focus (the row of buttons of a window whose
    // controls scroll).
    void Keep_in_view_when_shown(QWidget& control) { kept_in_view_ = &control; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();
    void Show_focused(QWidget* now);

    QWidget& window_;
    QWidget* controls_;
    int top_;
    QSize design_;
    QSize least_;
    bool resizable_;
    bool frame_known_ = false;
    QPointer<QWidget> kept_in_view_;
};
