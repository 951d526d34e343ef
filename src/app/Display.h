// Which window system the program starts on, decided before the application exists.
#pragma once

#include <QByteArray>

namespace display {

// What the process is told about displays; an empty value is an unset one.
struct Environment
{
    QByteArray x11Display;     // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray chosenPlatform; // QT_QPA_PLATFORM, or a -platform argument
};

// The environment of this process and its command line.
Environment currentEnvironment(int argc, char **argv);

// True when Qt has something to open windows on: an X or Wayland display, or a
// platform the user chose (offscreen, vnc, ...).
bool canShowWindows(const Environment &env);

// The QT_QPA_PLATFORM to start with, or an empty array to leave the choice to Qt.
QByteArray preferredPlatform(const Environment &env);

// Checks the display and picks the platform; when there is no display, prints one line
// to stderr and returns false.
bool prepareDisplay(int argc, char **argv);

} // namespace display
