#include "Menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

Menu_keys::Menu_keys(QMenuBar& bar) : QObject(&bar), bar_(bar)
{
    QApplication::instance()->installEventFilter(this);
}

QList<QMenu*> Menu_keys::Menus() const
{
    QList<QMenu*> menus;
    for (QAction* action : bar_.actions())
        if (action->menu() != nullptr)
            menus.push_back(action->menu());
    return menus;
}

void Menu_keys::Open(QMenu& menu)
{
    bar_.setActiveAction(menu.menuAction());
    if (!menu.actions().isEmpty())
        menu.setActiveAction(menu.actions().first());
}

void Menu_keys::Toggle()
{
    const QList<QMenu*> menus = Menus();
    for (QMenu* menu : menus) {
        if (menu->isVisible()) {
            menu->hide();
            return;
        }
    }
    if (!menus.isEmpty())
        Open(*menus.front());
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
    const QList<QMenu*> menus = Menus();
    const bool in_menu = widget != nullptr && menus.contains(widget);
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
    if (in_menu || key.modifiers() != Qt::AltModifier)
        return false;
    for (QMenu* menu : menus) {
        const QString caption = menu->title();
        if (!caption.isEmpty() && key.key() == caption.at(0).toUpper().unicode()) {
            Open(*menu);
            return true;
        }
    }
    return false;
}
