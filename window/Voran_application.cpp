#include "Voran_application.h"

#include <QDir>
#include <QIcon>
#include <QLocale>

#include <exception>

#include "Platform.h"

Voran_application::Voran_application(int& argc, char** argv, Platform& platform)
    : QApplication(argc, argv), platform_(platform)
{
    setApplicationName("VORAN");
    setDesktopFileName("voran");
    setWindowIcon(Program_icon());
}

QIcon Program_icon()
{
    // Each image's size is read from the image.
    QIcon icon;
    for (const QString& image : QDir(QStringLiteral(":/icons")).entryList(QDir::Files))
        icon.addFile(QStringLiteral(":/icons/") + image);
    return icon;
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
