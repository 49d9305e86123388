#include "Window_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Ctrl+Tab in a text box whose Tab moves the focus on: the tab character
// that Tab no longer types.
class Control_tab_types_tab : public QObject {
public:
    explicit Control_tab_types_tab(QPlainTextEdit& box) : QObject(&box), box_(box) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &box_ || event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() != Qt::Key_Tab || key.modifiers() != Qt::ControlModifier || box_.isReadOnly())
            return false;
        box_.insertPlainText(QStringLiteral("\t"));
        return true;
    }

private:
    QPlainTextEdit& box_;
};

}  // namespace

void Focus_input(QLineEdit& field)
{
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

void Return_presses_buttons(QWidget& window)
{
    // An auto-default button clicks itself on Return and Enter while it has
    // the focus (and is drawn as the default button meanwhile).
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void Tab_leaves_text_box(QPlainTextEdit& box)
{
    box.setTabChangesFocus(true);
    box.installEventFilter(new Control_tab_types_tab(box));
}
