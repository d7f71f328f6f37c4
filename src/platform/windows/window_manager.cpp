#include "platform/this_system.h"

#include <QCursor>
#include <QWindow>
#include <windows.h>

namespace this_system {

void keepOffTaskbar(QWindow& window)
{
    // A tool window has no taskbar button and stays out of the task switcher.
    const auto handle = reinterpret_cast<HWND>(window.winId());
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
    SetWindowLongPtrW(handle, GWL_EXSTYLE, (style | WS_EX_TOOLWINDOW) & ~LONG_PTR(WS_EX_APPWINDOW));
}

bool startWindowMove(QWindow& window, QPoint pressed)
{
    // Windows' move keeps the window where it is under the cursor when it starts: the
    // window first goes the cursor's way from the press, so that the point pressed stays
    // under it.
    window.setPosition(window.position() + QCursor::pos() - window.mapToGlobal(pressed));
    return window.startSystemMove();
}

bool composites()
{
    // Desktop composition cannot be turned off since Windows 8.
    return true;
}

} // namespace this_system
