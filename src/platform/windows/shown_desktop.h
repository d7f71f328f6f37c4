#pragma once

#include <QObject>
#include <windows.h>

namespace this_system {

// Restores `window` at once, without the focus, whenever it is minimised: showing the
// desktop or minimising every window leaves it where it was. For as long as `owner`
// exists.
void keepRestored(HWND window, QObject& owner);

} // namespace this_system
