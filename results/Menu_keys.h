// The keyboard's way into a window's menu, as on the platform the windows
// come from: F10, or Alt pressed and released with no other key between,
// opens the menu with its first entry chosen, and closes it again; the
// arrows move between the entries and Return takes one (the menu's own
// keys); Escape closes the menu and gives the focus back to the control that
// had it. Alt with the first letter of the menu's caption opens it too,
// instead of typing the letter.
#pragma once

#include <QObject>

class QMenu;
class QMenuBar;

class Menu_keys : public QObject {
public:
    // The keys act while `bar`'s window or `menu` has the focus; the filter
    // watches the whole application and lives as long as `bar`.
    Menu_keys(QMenuBar& bar, QMenu& menu);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Open();
    // Closes the menu when it is open, opens it otherwise.
    void Toggle();

    QMenuBar& bar_;
    QMenu& menu_;
    // Alt is down and no other key has been pressed since.
    bool alt_alone_ = false;
};
