// GoogleTest main for the printing tests: headless Qt, and a CUPS client that
// sees no printer at all (a local socket that cannot exist, in nobody's home
// /nonexistent, where no scheduler listens), so no test
// depends on, or prints on, the machine's own printers.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    unsetenv("PRINTER");
    unsetenv("LPDEST");
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
