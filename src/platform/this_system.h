#pragma once

#include "platform/desktop_shell.h"

#include <QPoint>
#include <QStandardPaths>
#include <QString>
#include <ctime>
#include <optional>

class QWindow;

// The small facts that differ between the systems the program runs on, each defined in
// the system's own folder (xdg/, windows/) and nowhere else.
namespace this_system {

// The family of the desktop this build is for.
DesktopFamily desktopFamily();

// The local calendar reading of a moment, by the C library (thread-safe).
std::tm localCalendar(std::time_t moment);

// Milliseconds since the machine started, counting the time it slept, on a clock that
// setting the wall clock leaves alone; none where the system cannot tell.
std::optional<long long> millisecondsSinceBoot();

// Where the user's own settings folder lies: Windows' AppData, which roams with the user
// as settings do there; ~/.config elsewhere.
QStandardPaths::StandardLocation userSettingsLocation();

// A folder of the user's own for the single-instance lock and socket: the lock and the
// socket of another user's clock of the same folder never meet this user's.
QString userRuntimeFolder();

// The name the single instance's local server listens on for `key`: a socket file in
// `runtimeFolder`, or the name of a pipe on Windows.
QString localServerName(const QString& runtimeFolder, const QString& key);

// Keeps the window off the taskbar and the pager: a tool window on Windows, the
// window manager's skip-taskbar and skip-pager states on X11. Wayland lets the
// compositor decide.
void keepOffTaskbar(QWindow& window);

// Keeps the window on the screen while the user shows the desktop, as the desktop's own
// gadgets stay: where the window system takes it away all the same, it comes back at
// once. For as long as the window exists.
void keepOnShownDesktop(QWindow& window);

// Hands the move of the window to the window system as a move that began with the press
// at `pressed` (in the window's own coordinates, the window not moved since), so that the
// point pressed stays under the pointer however far it went before; false where the
// window system has no move of its own.
bool startWindowMove(QWindow& window, QPoint pressed);

// Whether the desktop composes the windows' pictures, so that one that is not wholly
// opaque lets what lies behind it show: Windows always does, a Wayland compositor too,
// an X server only while a compositing manager holds its screen's selection.
bool composites();

} // namespace this_system
