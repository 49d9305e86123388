// The print server gone before "Print All": CTest points the printing
// library at a loopback port where nothing answers (CUPS_SERVER), as after
// the scheduler was stopped. The viewer must report a clear error through
// the application's error report, keep its text, and go on working: "Save
// Output" still writes the text.
#include <gtest/gtest.h>

#include <QFile>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "Default_printer.h"
#include "Results_text.h"
#include "Scripted_platform.h"
#include "TemplateResults.h"

namespace {

TEST(Print_fault, Stopped_print_server_gives_a_clear_error_and_the_viewer_goes_on)
{
    Scripted_platform& platform = Test_platform();
    const std::unique_ptr<Results_printer> printer = Make_default_printer("Courier New");
    TfrmTemplateResults viewer(platform, *printer);
    viewer.Append_lines({"", " INPUTS:", " Test score for Case A= 50", ""});
    viewer.show();
    auto* text = viewer.findChild<QPlainTextEdit*>("memoResults");
    ASSERT_NE(text, nullptr);
    const QString before = text->toPlainText();

    // Through the event loop, as a menu click arrives, so that the
    // application's error report receives what the handler raises.
    QMetaObject::invokeMethod(&viewer, [&viewer] { viewer.mnuPrintClick(); }, Qt::QueuedConnection);
    QTest::qWait(50);

    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(platform.Errors.front(), "There is no default printer currently selected.");
    EXPECT_EQ(text->toPlainText(), before);
    EXPECT_TRUE(viewer.isVisible());

    QTemporaryDir folder;
    const QString target = folder.filePath("results.txt");
    platform.File_name = target.toStdString();
    QTest::mouseClick(viewer.findChild<QPushButton*>("cmdSaveOutput"), Qt::LeftButton);
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), Results_file_contents(before));
    EXPECT_EQ(platform.Errors.size(), 1U);
}

}  // namespace
