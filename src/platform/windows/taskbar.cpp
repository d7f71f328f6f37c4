#include "platform/this_system.h"

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

} // namespace this_system
