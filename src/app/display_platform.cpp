#include "app/display_platform.h"

#include <QApplication>

DisplayEnvironment DisplayEnvironment::current()
{
    return DisplayEnvironment{
        .qtPlatform = qgetenv("QT_QPA_PLATFORM"),
        .sessionType = qgetenv("XDG_SESSION_TYPE"),
        .waylandDisplay = qgetenv("WAYLAND_DISPLAY"),
        .x11Display = qgetenv("DISPLAY"),
    };
}

QByteArray displayPlatformFor(const DisplayEnvironment& environment)
{
    if (!environment.qtPlatform.isEmpty()) {
        return {};
    }
    const bool wayland = !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
    if (!wayland) {
        return {};
    }
    return environment.x11Display.isEmpty() ? QByteArrayLiteral("wayland") : QByteArrayLiteral("xcb");
}

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv)
{
    const QByteArray platform = displayPlatformFor(DisplayEnvironment::current());
    if (platform.isEmpty()) {
        return std::make_unique<QApplication>(argc, argv);
    }
    qputenv("QT_QPA_PLATFORM", platform);
    auto application = std::make_unique<QApplication>(argc, argv);
    // Programs the clock starts (the browser) choose their own.
    qunsetenv("QT_QPA_PLATFORM");
    return application;
}
