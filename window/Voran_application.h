// The application object. Exceptions thrown inside an event handler (a file
// that cannot be written, a failed computation) end that handler and must not
// cross Qt's event loop: they are caught here, in one place, and shown in the
// modal error box of the platform layer.
#pragma once

#include <QApplication>
#include <QIcon>

class Platform;

// The application object also gives every window the program's icon.
class Voran_application : public QApplication {
public:
    Voran_application(int& argc, char** argv, Platform& platform);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Platform& platform_;
};

// The user's decimal separator, from the system locale (Decimal_separator_of).
char System_decimal_separator();

// The program's icon: the images of voran.svg drawn at build time in the
// usual sizes (window/CMakeLists.txt), built into the program.
QIcon Program_icon();
