#include "No_display.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt's message handler before ours, which still writes every message.
QtMessageHandler& Qt_handler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

void Handle_message(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    Qt_handler()(type, context, message);
    // Qt names its platform once one has been opened; a fatal message before
    // that is the one that no platform could be.
    if (type == QtFatalMsg && QGuiApplication::platformName().isEmpty()) {
        std::fputs("voran: no display found: start VORAN from a desktop session (or run it under xvfb-run).\n",
                   stderr);
        // The application object is half made: nothing of it is torn down.
        std::_Exit(1);
    }
}

}  // namespace

void Exit_with_status_1_when_no_display_opens()
{
    Qt_handler() = qInstallMessageHandler(Handle_message);
}
