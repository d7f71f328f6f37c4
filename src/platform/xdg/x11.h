#pragma once

#include <xcb/xcb.h>

// The little the program asks of the X server itself, beside Qt.
namespace x11 {

// The X server's connection; none on Wayland and on the offscreen platform.
xcb_connection_t* connection();

// The root window of the default screen, where requests to the window manager go.
xcb_window_t rootWindow(xcb_connection_t* connection);

xcb_atom_t atom(xcb_connection_t* connection, const char* name);

// The number of the display's default screen, which names that screen's selections
// (a tray's "_NET_SYSTEM_TRAY_S0", a compositing manager's "_NET_WM_CM_S0").
int defaultScreen();

} // namespace x11
