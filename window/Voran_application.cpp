#include "Voran_application.h"

#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>

#include <exception>

#include "Focus_frame_style.h"
#include "Number_format.h"
#include "Platform.h"
#include "Program_strings.h"
#include "Qt_text.h"
#include "Scroll_bar_style.h"
#include "Whole_frame_style.h"

Voran_application::Voran_application(int& argc, char** argv, Platform& platform)
    : QApplication(argc, argv), platform_(platform)
{
    setApplicationName(Qt_text(Program_name));
    setDesktopFileName("voran");
    // The platform's style, with frames kept whole at fractional scales, a
    // plain frame on the focused button and scroll-bar handles that stand out.
    setStyle(new Focus_frame_style(
        new Scroll_bar_style(new Whole_frame_style(QStyleFactory::create(style()->name())))));
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
    return Decimal_separator_of(QLocale::system().decimalPoint().toStdString());
}
