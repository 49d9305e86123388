// GoogleTest main for the printing tests: headless Qt, and a CUPS client that
// sees no printer at all (a loopback port where nothing listens), so no test
// depends on, or prints on, the machine's own printers.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("CUPS_SERVER", "127.0.0.1:9", 1);
    unsetenv("PRINTER");
    unsetenv("LPDEST");
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
