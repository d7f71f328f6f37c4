#include "platform/this_system.h"

#include <QGuiApplication>
#include <QWindow>
#include <array>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, qstrlen(name), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return found;
}

} // namespace

namespace this_system {

void keepOffTaskbar(QWindow& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skipped{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                            atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (!window.isVisible()) {
        // Before the window is mapped the property is the client's own; Qt adds its own
        // states to what it finds there when it maps the window.
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32,
                            skipped.size(), skipped.data());
    } else {
        // A mapped window asks the window manager.
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = state;
        message.data.data32[0] = 1; // add
        message.data.data32[1] = skipped[0];
        message.data.data32[2] = skipped[1];
        message.data.data32[3] = 1; // from an application
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&message));
    }
    xcb_flush(connection);
}

} // namespace this_system
