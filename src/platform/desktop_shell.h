#pragma once

#include <QIcon>
#include <QMenu>
#include <QString>
#include <QUrl>
#include <functional>

class QWindow;

// The desktops the program knows, for the few words that differ between them: Windows,
// and the freedesktop.org desktops of Linux and the like.
enum class DesktopFamily
{
    Windows,
    Freedesktop,
};

// The desktop around the program's windows: the notification area, starting the program
// at log-on, opening links, and what a window may do by itself. QtDesktopShell is the
// real one.
class DesktopShell
{
public:
    virtual ~DesktopShell() = default;

    // Which desktop this is.
    virtual DesktopFamily family() const = 0;

    // False on Wayland, which keeps to the desktop what X11 and Windows let a window do:
    // place itself and know where it is (its position reads as 0,0, not to be stored),
    // and cut its outline with a mask (the parts cut away show unless transparent).
    virtual bool windowsPlaceAndShapeThemselves() const = 0;

    // Keeps a window that is part of the desktop, not a task of its own, off the taskbar
    // and the pager. Asked before the window is first shown.
    virtual void keepOffTaskbar(QWindow& window) const = 0;
    // Keeps such a window on the screen while the user shows the desktop. Asked once
    // the window is shown.
    virtual void keepOnShownDesktop(QWindow& window) const = 0;

    // Whether the desktop shows what lies behind a window that is not wholly opaque: an
    // X server shows it only while a compositing manager runs, asked each time.
    virtual bool showsWindowOpacity() const = 0;

    // Which mouse button was pressed on the notification-area icon.
    enum class TrayPress
    {
        Left,
        Right
    };

    // Puts the program's icon with its tip into the notification area, and keeps it
    // there until removed: when the desktop has none yet, the icon comes once one
    // appears, and it comes back when the panel restarts. Adding it again leaves the one
    // there. The icon carries `menu` to panels that show an icon's menu themselves
    // (StatusNotifier hosts). `onPress` runs for a press the panel leaves to the program:
    // a left press, and a right press where the panel shows no menu of its own (a double
    // click adds nothing to its first press). It runs from the event loop once the press
    // itself has been answered, so that a panel waiting for that answer is not kept
    // waiting while a menu is open.
    virtual void addTrayIcon(const QIcon& icon, const QString& tip, QMenu& menu,
                             std::function<void(TrayPress)> onPress) = 0;
    virtual void removeTrayIcon() = 0;
    // A new tip for the icon, there now or to come.
    virtual void setTrayTip(const QString& tip) = 0;

    // Opens a web page or a local file in the user's browser; false when nothing could
    // open it.
    virtual bool openUrl(const QUrl& url) = 0;

    // Makes the desktop start the program when the user logs on (true when done), or
    // stops it (true when an entry was there and is gone).
    virtual bool registerStartup() = 0;
    virtual bool unregisterStartup() = 0;
    // Whether the desktop starts this copy of the program when the user logs on.
    virtual bool startsAtLogOn() const = 0;
};
