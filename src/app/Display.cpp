#include "app/Display.h"

#include <QtGlobal>

#include <cstdio>
#include <cstring>

namespace display {

Environment currentEnvironment(int argc, char **argv)
{
    Environment env{qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"), qgetenv("QT_QPA_PLATFORM")};
    // Qt takes -platform NAME (or --platform NAME) over the environment.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            env.chosenPlatform = argv[i + 1];
    }
    return env;
}

bool canShowWindows(const Environment &env)
{
    return !env.x11Display.isEmpty() || !env.waylandDisplay.isEmpty() ||
           !env.chosenPlatform.isEmpty();
}

QByteArray preferredPlatform(const Environment &env)
{
    // The program centres its windows and can keep the exercise window on top of the
    // others; on a native Wayland connection a client can do neither. Where the session
    // also offers an X display (XWayland), X is taken, and Wayland only if X refuses.
    // A platform the user chose always wins.
    if (env.chosenPlatform.isEmpty() && !env.x11Display.isEmpty() && !env.waylandDisplay.isEmpty())
        return QByteArrayLiteral("xcb;wayland");
    return {};
}

bool prepareDisplay(int argc, char **argv)
{
    const Environment env = currentEnvironment(argc, argv);
    if (!canShowWindows(env)) {
        std::fputs("zelto: no display found: the program needs a graphical session "
                   "(neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                   stderr);
        return false;
    }
    const QByteArray platform = preferredPlatform(env);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    return true;
}

} // namespace display
