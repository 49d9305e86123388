// The Qt platform layer's modal boxes: title, icon, buttons and text, read
// from the box while it is up and answered by clicking one of its buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "Qt_platform.h"

namespace {

struct Shown_box {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
    Qt::WindowFlags Flags;
};

// The title-bar buttons that a window's flags ask for.
std::string Title_bar_buttons(Qt::WindowFlags flags)
{
    std::string buttons;
    if (flags & Qt::WindowMinimizeButtonHint)
        buttons += "minimise ";
    if (flags & Qt::WindowMaximizeButtonHint)
        buttons += "maximise ";
    if (flags & Qt::WindowCloseButtonHint)
        buttons += "close";
    return buttons;
}

// Runs `show` while a zero timer records the modal box that comes up and
// clicks its button captioned `answer`.
Shown_box Answer_box(const QString& answer, const std::function<void()>& show)
{
    Shown_box shown;
    QTimer::singleShot(0, [&shown, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = {box->windowTitle(), box->text(), box->icon(), {}, box->windowFlags()};
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            shown.Buttons.push_back(button->text());
            if (button->text() == answer)
                chosen = button;
        }
        ASSERT_NE(chosen, nullptr);
        QTest::mouseClick(chosen, Qt::LeftButton);
    });
    show();
    return shown;
}

TEST(Qt_platform, ConfirmationAsksWithYesAndNo)
{
    Qt_platform platform;
    for (const bool yes : {true, false}) {
        bool answer = !yes;
        const Shown_box box =
            Answer_box(yes ? "&Yes" : "&No", [&] { answer = platform.Confirm("Exit from program?"); });
        EXPECT_EQ(answer, yes);
        EXPECT_EQ(box.Title, "Confirm");
        EXPECT_EQ(box.Text, "Exit from program?");
        EXPECT_EQ(box.Icon, QMessageBox::Question);
        EXPECT_EQ(box.Buttons.size(), 2);
        EXPECT_TRUE(box.Buttons.contains("&Yes"));
        EXPECT_TRUE(box.Buttons.contains("&No"));
        EXPECT_EQ(Title_bar_buttons(box.Flags), "close");
    }
}

TEST(Qt_platform, WarningShowsEachCrAsALineBreak)
{
    Qt_platform platform;
    const Shown_box box =
        Answer_box("OK", [&] { platform.Show_warning("INPUT ERROR\r\rEnter numeric data only."); });
    EXPECT_EQ(box.Title, "Warning");
    EXPECT_EQ(box.Text, "INPUT ERROR\n\nEnter numeric data only.");
    EXPECT_EQ(box.Icon, QMessageBox::Warning);
    EXPECT_EQ(box.Buttons, QStringList{"OK"});
    EXPECT_EQ(Title_bar_buttons(box.Flags), "close");
}

TEST(Qt_platform, ErrorBoxIsTitledWithTheApplicationsName)
{
    Qt_platform platform;
    const Shown_box box = Answer_box("OK", [&] { platform.Show_error("Invalid numeric input."); });
    EXPECT_EQ(box.Title, "VORAN");
    EXPECT_EQ(box.Text, "Invalid numeric input.");
    EXPECT_EQ(box.Icon, QMessageBox::Critical);
    EXPECT_EQ(Title_bar_buttons(box.Flags), "close");
}

}  // namespace
