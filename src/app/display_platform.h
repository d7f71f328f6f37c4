#pragma once

#include <QByteArray>
#include <memory>

class QApplication;

// The parts of the environment that say which display servers a session offers.
struct DisplayEnvironment
{
    QByteArray qtPlatform;     // QT_QPA_PLATFORM: the user's own choice
    QByteArray sessionType;    // XDG_SESSION_TYPE
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray x11Display;     // DISPLAY

    static DisplayEnvironment current();
};

// The Qt platform the clock should use, or an empty value to leave the choice to Qt.
// A borderless, shaped window that places itself and stays in front needs X11: on a
// Wayland session that also offers X (XWayland) the clock uses it, unless the user chose
// a platform. Where only Wayland exists, Wayland it is.
QByteArray displayPlatformFor(const DisplayEnvironment& environment);

// Makes the QApplication on the platform displayPlatformFor() chooses for this session.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);
