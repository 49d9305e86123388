#include "Title_buttons.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#if QT_CONFIG(xcb) && __has_include(<xcb/xcb.h>)
#define VORAN_X11_HINTS 1
#include <xcb/xcb.h>
#endif

#include <array>
#include <cstdlib>

namespace {

// The Motif window-manager hints (MwmUtil.h): which words are given, and the
// bits of the functions and decorations words.
enum : unsigned {
    Hints_functions = 1u << 0,
    Hints_decorations = 1u << 1,
    Function_resize = 1u << 1,
    Function_move = 1u << 2,
    Function_minimise = 1u << 3,
    Function_maximise = 1u << 4,
    Function_close = 1u << 5,
    Decoration_border = 1u << 1,
    Decoration_resize = 1u << 2,
    Decoration_title = 1u << 3,
    Decoration_menu = 1u << 4,
    Decoration_minimise = 1u << 5,
    Decoration_maximise = 1u << 6,
};

struct Choice {
    Title_buttons Buttons;
    std::string_view Name;
    Qt::WindowFlags Flags;  // besides the window's type
    unsigned Functions;
    unsigned Decorations;
};

constexpr Qt::WindowFlags Titled = Qt::CustomizeWindowHint | Qt::WindowTitleHint;

const std::array<Choice, 3> Choices{{
    {Title_buttons::Maximise, "maximise", Titled | Qt::WindowMaximizeButtonHint,
     Function_move | Function_resize | Function_maximise,
     Decoration_border | Decoration_resize | Decoration_title | Decoration_maximise},
    {Title_buttons::Minimise_and_close, "minimise and close",
     Titled | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
     Function_move | Function_minimise | Function_close,
     Decoration_border | Decoration_title | Decoration_menu | Decoration_minimise},
    {Title_buttons::Close, "close", Titled | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
     Function_move | Function_close, Decoration_border | Decoration_title | Decoration_menu},
}};

const Choice& Choice_of(Title_buttons buttons)
{
    for (const Choice& choice : Choices)
        if (choice.Buttons == buttons)
            return choice;
    std::abort();  // every enumerator has its row
}

#ifdef VORAN_X11_HINTS
xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name)
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

#endif

// Writes the hints on the window's X11 window; nothing on other platforms.
void Write_motif_hints(QWidget& window, Title_buttons buttons)
{
#ifndef VORAN_X11_HINTS
    (void)window;
    (void)buttons;
#else
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // (A headless platform may offer the interface without a connection.)
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return;
    const xcb_atom_t atom = Atom(connection, "_MOTIF_WM_HINTS");
    if (atom == XCB_ATOM_NONE)
        return;
    const Motif_hints hints = Motif_hints_for(buttons);
    const std::array<uint32_t, 5> words{hints.Flags, hints.Functions, hints.Decorations, hints.Input_mode,
                                        hints.Status};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), atom, atom,
                        32, static_cast<uint32_t>(words.size()), words.data());
    xcb_flush(connection);
#endif
}

// Renews the hints each time the window is shown: the toolkit writes its
// own when it creates the native window.
class Hints_on_show : public QObject {
public:
    Hints_on_show(QWidget& window, Title_buttons buttons) : QObject(&window), window_(window), buttons_(buttons)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Show)
            Write_motif_hints(window_, buttons_);
        return false;
    }

private:
    QWidget& window_;
    Title_buttons buttons_;
};

}  // namespace

std::string_view Name(Title_buttons buttons)
{
    return Choice_of(buttons).Name;
}

Motif_hints Motif_hints_for(Title_buttons buttons)
{
    const Choice& choice = Choice_of(buttons);
    return {Hints_functions | Hints_decorations, choice.Functions, choice.Decorations, 0, 0};
}

void Set_title_buttons(QWidget& window, Title_buttons buttons)
{
    window.setWindowFlags((window.windowFlags() & Qt::WindowType_Mask) | Choice_of(buttons).Flags);
    new Hints_on_show(window, buttons);
}
