#include "Print_all_check.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "Default_printer.h"
#include "Results_file.h"
#include "Scripted_platform.h"
#include "TemplateResults.h"

std::string Print_all_fails_and_viewer_goes_on()
{
    Scripted_platform& platform = Test_platform();
    const std::unique_ptr<Results_printer> printer = Make_default_printer("Courier New");
    TfrmTemplateResults viewer(platform, *printer);
    viewer.Append_lines({"", " INPUTS:", " Test score for Case A= 50", ""});
    viewer.show();
    auto* text = viewer.findChild<QPlainTextEdit*>("memoResults");
    EXPECT_NE(text, nullptr);
    if (text == nullptr)
        return {};
    const QString before = text->toPlainText();

    // Through the event loop, as a menu click arrives, so that the
    // application's error report receives what the handler raises; awaited
    // until the handler has run (the flag is set as it starts, and the rest
    // of the handler runs in the same event).
    bool handled = false;
    QMetaObject::invokeMethod(
        &viewer,
        [&viewer, &handled] {
            handled = true;
            viewer.mnuPrintClick();
        },
        Qt::QueuedConnection);
    EXPECT_TRUE(QTest::qWaitFor([&handled] { return handled; }, 30000));

    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(text->toPlainText(), before);
    EXPECT_TRUE(viewer.isVisible());
    std::string error = platform.Errors.empty() ? std::string() : platform.Errors.front();

    QTemporaryDir folder;
    const QString target = folder.filePath("results.txt");
    platform.File_name = target.toStdString();
    QTest::mouseClick(viewer.findChild<QPushButton*>("cmdSaveOutput"), Qt::LeftButton);
    QFile saved(target);
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), Results_file_contents(before.toStdString()));
    EXPECT_EQ(platform.Errors.size(), 1U);
    return error;
}
