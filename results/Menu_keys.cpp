#include "Menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

Menu_keys::Menu_keys(QMenuBar& bar, QMenu& menu) : QObject(&bar), bar_(bar), menu_(menu)
{
    QApplication::instance()->installEventFilter(this);
}

void Menu_keys::Open()
{
    bar_.setActiveAction(menu_.menuAction());
    if (!menu_.actions().isEmpty())
        menu_.setActiveAction(menu_.actions().first());
}

void Menu_keys::Toggle()
{
    if (menu_.isVisible())
        menu_.hide();
    else
        Open();
}

bool Menu_keys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress) {
        alt_alone_ = false;
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool in_menu = widget == &menu_;
    if (widget == nullptr || (!in_menu && widget->window() != bar_.window()))
        return false;

    // A key event reaches the filter once for each widget it is offered to,
    // the focused control first and then its parents; each offer decides alike.
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.isAutoRepeat())
        return false;
    // The menu bar's own Alt handling (in styles that have one) arms itself
    // on this announcement of the key and would take the focus into the bar;
    // Alt alone belongs to this filter.
    if (type == QEvent::ShortcutOverride)
        return key.key() == Qt::Key_Alt;
    if (type == QEvent::KeyRelease) {
        if (key.key() != Qt::Key_Alt || !alt_alone_)
            return false;
        alt_alone_ = false;
        Toggle();
        return true;
    }
    alt_alone_ = key.key() == Qt::Key_Alt;
    if (alt_alone_)
        return true;
    if ((key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier) || (in_menu && key.key() == Qt::Key_Escape)) {
        Toggle();
        return true;
    }
    const QString caption = menu_.title();
    if (!in_menu && key.modifiers() == Qt::AltModifier && !caption.isEmpty()
        && key.key() == caption.at(0).toUpper().unicode()) {
        Open();
        return true;
    }
    return false;
}
