// The keyboard's way into a window's menus, as on the platform the windows
// come from: F10, or Alt pressed and released with no other key between,
// opens the first menu with its first entry chosen, and closes an open menu
// again; the arrows move between the entries and the menus and Return takes
// an entry (the menus' own keys); Escape closes the menu and gives the focus
// back to the control that had it. Alt with the first letter of a menu's
// caption opens that menu, instead of typing the letter.
#pragma once

#include <QList>
#include <QObject>

class QMenu;
class QMenuBar;

class Menu_keys : public QObject {
public:
    // The keys act while `bar`'s window or one of its menus has the focus;
    // the filter watches the whole application and lives as long as `bar`.
    explicit Menu_keys(QMenuBar& bar);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The bar's menus, in order.
    QList<QMenu*> Menus() const;
    void Open(QMenu& menu);
    // Closes the open menu, or opens the first.
    void Toggle();

    QMenuBar& bar_;
    // Alt is down and no other key has been pressed since.
    bool alt_alone_ = false;
};
