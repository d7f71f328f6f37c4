#include "platform/this_system.h"
#include "platform/xdg/x11.h"

#include <QByteArray>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

using x11::atom;
using x11::rootWindow;

bool windowManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t wanted)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096),
        nullptr);
    bool supported = false;
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
        supported = std::find(atoms, atoms + count, wanted) != atoms + count;
    }
    std::free(reply);
    return supported;
}

} // namespace

namespace this_system {

void keepOffTaskbar(QWindow& window)
{
    xcb_connection_t* connection = x11::connection();
    if (!connection) {
        return;
    }
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skipped{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                            atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (!window.isVisible()) {
        // Before the window is mapped the property is the client's own; Qt adds its own
        // states to what it finds there when it maps the window.
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, skipped.size(),
                            skipped.data());
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
        const xcb_window_t root = rootWindow(connection);
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&message));
    }
    xcb_flush(connection);
}

bool startWindowMove(QWindow& window, QPoint pressed)
{
    xcb_connection_t* connection = x11::connection();
    if (!connection) {
        // Wayland: the compositor moves the window from the press it was asked about.
        return window.startSystemMove();
    }
    // Qt's own request names where the pointer is now, and the window manager keeps the
    // window where it is under it: the way up to the drag distance would be lost. The
    // window manager's move starts from the press instead, as the request means it.
    const xcb_window_t root = rootWindow(connection);
    const xcb_atom_t moveResize = atom(connection, "_NET_WM_MOVERESIZE");
    if (!windowManagerSupports(connection, root, moveResize)) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const QPoint native = (QPointF(pressed) * window.devicePixelRatio()).toPoint();
    xcb_translate_coordinates_reply_t* onScreen = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, root, int16_t(native.x()), int16_t(native.y())),
        nullptr);
    if (!onScreen) {
        return false;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = moveResize;
    message.data.data32[0] = uint32_t(onScreen->dst_x);
    message.data.data32[1] = uint32_t(onScreen->dst_y);
    message.data.data32[2] = 8; // move
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = 1; // from an application
    std::free(onScreen);
    // The window manager takes the pointer over from the press's grab.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

bool composites()
{
    xcb_connection_t* connection = x11::connection();
    if (!connection) {
        // Wayland composes every window; the offscreen platform shows none.
        return true;
    }
    // A compositing manager owns the selection of the screen it composes.
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(x11::defaultScreen());
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom(connection, name.constData())), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    std::free(reply);
    return owned;
}

} // namespace this_system
