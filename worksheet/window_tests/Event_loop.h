// Running the application's event loop around one action, for the tests of
// "Exit": the loop ends with code 0 when the action ends the program, with 42
// when it returns without doing so, and with 99 if nothing ends it in time.
#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <functional>

inline int Exit_code_around(const std::function<void()>& action)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    QTimer::singleShot(0, [&action] {
        action();
        QTimer::singleShot(0, [] { QCoreApplication::exit(42); });
    });
    return QCoreApplication::exec();
}
