// The Qt platform layer's modal boxes: title, icon, buttons and text, read
// from the box while it is up and answered by clicking one of its buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>
#include <vector>

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

// Where a save dialog opened: its folder and the name it proposed.
struct Opened_dialog {
    QString Folder;
    QString Name;
};

// Runs `ask` while a zero timer records the save dialog that comes up and
// accepts the file `chosen` in it.
Opened_dialog Choose_file(const QString& chosen, const std::function<void()>& ask)
{
    Opened_dialog opened;
    QTimer::singleShot(0, [&opened, chosen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const QFileInfo proposed(dialog->selectedFiles().value(0));
        opened = {dialog->directory().absolutePath(), proposed.fileName()};
        dialog->selectFile(chosen);
        // accept() is public on QDialog; the file dialog's own check of the name runs.
        static_cast<QDialog*>(dialog)->accept();
    });
    ask();
    return opened;
}

// HOME and XDG_CONFIG_HOME (where the documents folder is named) point
// into a temporary folder while the test runs.
class Save_folder : public ::testing::Test {
protected:
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    std::vector<std::pair<const char*, QByteArray>> saved;

    void SetUp() override
    {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
            saved.emplace_back(name, qgetenv(name));
        }
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
        ASSERT_TRUE(QDir(elsewhere.path()).mkpath("first") && QDir(elsewhere.path()).mkpath("second"));
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved)
            qputenv(name, value);
    }
};

TEST_F(Save_folder, WithoutADocumentsFolderTheDialogOpensAtHome)
{
    Qt_platform platform;
    const Opened_dialog opened = Choose_file(elsewhere.filePath("first/a.txt"), [&] { platform.Ask_save_file_name(); });
    EXPECT_EQ(opened.Folder, home.path());
    EXPECT_EQ(opened.Name, "results.txt");
}

// "Save Output", then "Save as PDF...", then the plot's "Save Image..." with
// the full name it chose before, then "Save Output" again: each opens where
// the one before saved.
TEST_F(Save_folder, DialogsOpenInDocumentsThenWhereAnyOfThemSavedLast)
{
    ASSERT_TRUE(QDir(home.path()).mkpath("Documents"));
    Qt_platform platform;
    std::optional<std::string> chosen;
    Opened_dialog opened = Choose_file(elsewhere.filePath("first/report.txt"),
                                       [&] { chosen = platform.Ask_save_file_name(); });
    EXPECT_EQ(opened.Folder, home.filePath("Documents"));
    EXPECT_EQ(opened.Name, "results.txt");
    EXPECT_EQ(chosen, elsewhere.filePath("first/report.txt").toStdString());

    opened = Choose_file(elsewhere.filePath("second/out.pdf"),
                         [&] { platform.Ask_save_file_name_for("results.pdf", "*.pdf"); });
    EXPECT_EQ(opened.Folder, elsewhere.filePath("first"));
    EXPECT_EQ(opened.Name, "results.pdf");

    opened = Choose_file(elsewhere.filePath("second/plot.svg"), [&] {
        platform.Ask_save_file_name_for(elsewhere.filePath("first/plot.png").toStdString(), "*.png *.svg");
    });
    EXPECT_EQ(opened.Folder, elsewhere.filePath("second"));
    EXPECT_EQ(opened.Name, "plot.png");

    opened = Choose_file(elsewhere.filePath("second/report.txt"), [&] { platform.Ask_save_file_name(); });
    EXPECT_EQ(opened.Folder, elsewhere.filePath("second"));
    EXPECT_EQ(opened.Name, "report.txt");
}

}  // namespace
