// Running the application's event loop around one action, for the tests of
// "Exit" and of closing the worksheet: the loop ends with code 0 when the
// action ends the program, and with 42 when the program is still running a
// moment after the action. Both timers die with the call, so none of them
// can end a later test's loop.
#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <functional>

inline int Exit_code_around(const std::function<void()>& action)
{
    QTimer still_running;
    still_running.setSingleShot(true);
    QObject::connect(&still_running, &QTimer::timeout, [] { QCoreApplication::exit(42); });
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&action, &still_running] {
        action();
        // An automatic quit after the last window closed is posted, not
        // immediate; the pause leaves it time to arrive.
        still_running.start(300);
    });
    start.start(0);
    return QCoreApplication::exec();
}
