#include "Voran_application.h"

#include <QLocale>

#include <exception>

#include "Platform.h"

Voran_application::Voran_application(int& argc, char** argv, Platform& platform)
    : QApplication(argc, argv), platform_(platform)
{
    setApplicationName("VORAN");
    setDesktopFileName("voran");
}

bool Voran_application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        platform_.Show_error(Error_report_text(error.what()));
    }
    return false;
}

char System_decimal_separator()
{
    const QString separator = QLocale::system().decimalPoint();
    if (separator.size() == 1 && separator[0].unicode() < 128)
        return static_cast<char>(separator[0].unicode());
    return '.';
}
