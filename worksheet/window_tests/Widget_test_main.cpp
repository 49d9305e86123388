// The GoogleTest main of the widget tests: a headless Qt platform, the
// program's own application object (so that errors thrown by handlers reach
// the error report as in the program) and the program's strings.
#include <gtest/gtest.h>

#include <QByteArray>

#include "Program_strings.h"
#include "Scripted_platform.h"
#include "Voran_application.h"

namespace {

Scripted_platform platform;

class Fresh_platform : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { platform = Scripted_platform(); }
};

}  // namespace

Scripted_platform& Test_platform()
{
    return platform;
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Fresh_platform);
    Set_program_strings();
    Voran_application application(argc, argv, platform);
    return RUN_ALL_TESTS();
}
