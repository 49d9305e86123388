// Print server faults at "Print All". The viewer must report a clear error
// through the application's error report, keep its text, and go on working:
// "Save Output" still writes the text afterwards.
//   - The server stopped: CTest points the printing library at a loopback
//     port where nothing answers (CUPS_SERVER), as after the scheduler quit.
//   - A destination that rejects jobs: print_reject_test.sh runs a private
//     scheduler whose default printer refuses jobs and sets
//     VORAN_REJECTING_DESTINATION to its name; without it the case is skipped.
#include <gtest/gtest.h>

#include <QFile>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <string>

#include "Default_printer.h"
#include "Results_text.h"
#include "Scripted_platform.h"
#include "TemplateResults.h"

namespace {

// "Print All" on a viewer holding a short report; returns the error shown.
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
    // application's error report receives what the handler raises.
    QMetaObject::invokeMethod(&viewer, [&viewer] { viewer.mnuPrintClick(); }, Qt::QueuedConnection);
    QTest::qWait(200);

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
    EXPECT_EQ(saved.readAll(), Results_file_contents(before));
    EXPECT_EQ(platform.Errors.size(), 1U);
    return error;
}

TEST(Print_fault, Stopped_print_server_gives_a_clear_error_and_the_viewer_goes_on)
{
    if (std::getenv("VORAN_REJECTING_DESTINATION") != nullptr)
        GTEST_SKIP() << "a print server is running";
    EXPECT_EQ(Print_all_fails_and_viewer_goes_on(), "There is no default printer currently selected.");
}

TEST(Print_fault, Rejecting_destination_gives_a_clear_error_and_the_viewer_goes_on)
{
    const char* destination = std::getenv("VORAN_REJECTING_DESTINATION");
    if (destination == nullptr)
        GTEST_SKIP() << "needs the private print server of print_reject_test.sh";
    const std::string error = Print_all_fails_and_viewer_goes_on();
    // The scheduler's own reason names the destination.
    EXPECT_NE(error.find(destination), std::string::npos) << error;
    EXPECT_NE(error.find("not accepting jobs"), std::string::npos) << error;
}

}  // namespace
