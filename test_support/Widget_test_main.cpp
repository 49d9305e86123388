// The GoogleTest main of the widget tests: a headless Qt platform, the
// program's own application object (so that errors thrown by handlers reach
// the error report as in the program).
#include <gtest/gtest.h>

#include <QByteArray>

#include "Scripted_platform.h"
#include "Voran_application.h"

namespace {

Scripted_platform platform;

class Fresh_platform : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { platform = Scripted_platform(); }
};

}  // namespace

// LeakSanitizer's suppressions in the sanitizer build (unused otherwise):
// memory that Qt, D-Bus and fontconfig keep for the life of the process, or
// that Qt's own frames (built without unwinding clean-ups) drop while an
// exception from an event handler passes them on its way to the
// application's error report.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt6Core.so\nleak:libQt6Gui.so\nleak:libQt6Widgets.so\n"
           "leak:libdbus-1.so\nleak:libfontconfig.so\n";
}

Scripted_platform& Test_platform()
{
    return platform;
}

int main(int argc, char** argv)
{
    // A screen set up for the test (offscreen:configfile=...) is kept.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Fresh_platform);
    Voran_application application(argc, argv, platform);
    return RUN_ALL_TESTS();
}
