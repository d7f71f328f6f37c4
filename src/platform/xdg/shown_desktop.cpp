#include "platform/this_system.h"
#include "platform/xdg/x11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QVector>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

// Brings a window back that the window manager took off the screen as the user showed
// the desktop. Some window managers leave every skip-taskbar window there (xfwm4);
// others hide every window but the desktop's own, docks and splash screens, and let no
// window of another type map while the desktop shows (openbox). There the window goes
// again as a splash screen (withdrawn and mapped anew, its states kept), a type such a
// window manager shows with the desktop, still movable, in the same layer; when the
// desktop is no longer shown it goes again as the type it was made with, back under the
// window it was under. Nothing is asked of the X server while the desktop stays as it is.
class ShownDesktopWatch final : public QObject, public QAbstractNativeEventFilter
{
public:
    ShownDesktopWatch(QWindow& window, xcb_connection_t* connection)
        : QObject(&window), window_(window), connection_(connection), root_(x11::rootWindow(connection)),
          id_(static_cast<xcb_window_t>(window.winId())),
          showingDesktop_(x11::atom(connection, "_NET_SHOWING_DESKTOP")),
          windowType_(x11::atom(connection, "_NET_WM_WINDOW_TYPE")),
          splash_(x11::atom(connection, "_NET_WM_WINDOW_TYPE_SPLASH")),
          state_(x11::atom(connection, "_NET_WM_STATE")), wmState_(x11::atom(connection, "WM_STATE"))
    {
        hearRootProperties();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~ShownDesktopWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const uint8_t type = event->response_type & 0x7f;
        bool looks = false;
        if (type == XCB_PROPERTY_NOTIFY) {
            const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
            if (property->window == id_ && property->atom == wmState_) {
                if (withdrawing_ && property->state == XCB_PROPERTY_DELETE) {
                    mapWithdrawn();
                } else if (restack_ && property->state == XCB_PROPERTY_NEW_VALUE) {
                    restackUnder(*std::exchange(restack_, std::nullopt));
                }
                return false;
            }
            looks = property->window == root_ && property->atom == showingDesktop_;
        } else if (type == XCB_UNMAP_NOTIFY) {
            // A window manager may take the window away after it says the desktop shows.
            looks = static_cast<const xcb_unmap_notify_event_t*>(message)->window == id_;
        }
        if (looks) {
            // Asked from the event loop, not from within Qt's handling of the event.
            QMetaObject::invokeMethod(this, &ShownDesktopWatch::follow, Qt::QueuedConnection);
        }
        return false;
    }

private:
    // Qt listens to the root window's properties already on its own connection; where
    // it did not, the watch adds them to what it hears.
    void hearRootProperties()
    {
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, root_), nullptr);
        if (attributes && !(attributes->your_event_mask & XCB_EVENT_MASK_PROPERTY_CHANGE)) {
            const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
            xcb_flush(connection_);
        }
        std::free(attributes);
    }

    void follow()
    {
        if (withdrawing_) {
            return;
        }
        const bool desktopShown = showingDesktop();
        if (desktopShown && !asSplash_ && window_.isVisible() && !mapped()) {
            withdraw(true);
        } else if (!desktopShown && asSplash_) {
            withdraw(false);
        }
    }

    bool showingDesktop() const
    {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, root_, showingDesktop_, XCB_ATOM_CARDINAL, 0, 1),
            nullptr);
        const bool shown = reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4 &&
                           *static_cast<const uint32_t*>(xcb_get_property_value(reply)) != 0;
        std::free(reply);
        return shown;
    }

    bool mapped() const
    {
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, id_), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        return viewable;
    }

    QVector<xcb_atom_t> atoms(xcb_atom_t property) const
    {
        QVector<xcb_atom_t> found;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, id_, property, XCB_ATOM_ATOM, 0, 32), nullptr);
        if (reply && reply->format == 32) {
            const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            found = QVector<xcb_atom_t>(values, values + xcb_get_property_value_length(reply) /
                                                             int(sizeof(xcb_atom_t)));
        }
        std::free(reply);
        return found;
    }

    void setAtoms(xcb_atom_t property, const QVector<xcb_atom_t>& values)
    {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, id_, property, XCB_ATOM_ATOM, 32,
                            uint32_t(values.size()), values.constData());
    }

    // Withdraws the window (ICCCM 4.1.4), to map it again once the window manager has let
    // go of it (mapWithdrawn), as a splash screen or as it was made. Qt is not told: for
    // Qt the window stays shown throughout.
    void withdraw(bool asSplash)
    {
        if (asSplash) {
            madeAs_ = atoms(windowType_);
            above_ = windowAbove();
        }
        asSplash_ = asSplash;
        states_ = atoms(state_);
        // Without a window manager's WM_STATE nobody lets go of it: it maps again at once.
        withdrawing_ = managed();
        xcb_unmap_window(connection_, id_);
        xcb_unmap_notify_event_t unmap{};
        unmap.response_type = XCB_UNMAP_NOTIFY;
        unmap.event = root_;
        unmap.window = id_;
        xcb_send_event(connection_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&unmap));
        xcb_flush(connection_);
        if (!withdrawing_) {
            mapWithdrawn();
        }
    }

    bool managed() const
    {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, id_, wmState_, XCB_ATOM_ANY, 0, 0), nullptr);
        const bool present = reply && reply->type != XCB_ATOM_NONE;
        std::free(reply);
        return present;
    }

    void mapWithdrawn()
    {
        withdrawing_ = false;
        QVector<xcb_atom_t> types = madeAs_;
        if (asSplash_) {
            types.prepend(splash_);
        }
        setAtoms(windowType_, types);
        // The window manager forgets a withdrawn window's states.
        setAtoms(state_, states_);
        xcb_map_window(connection_, id_);
        xcb_flush(connection_);
        // A window mapped anew goes on top of its layer: once managed, it goes back
        // under the window it was under.
        if (!asSplash_ && above_ != XCB_WINDOW_NONE) {
            restack_ = above_;
        }
    }

    // The window the window manager stacks right above this one, if any.
    xcb_window_t windowAbove() const
    {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, root_, x11::atom(connection_, "_NET_CLIENT_LIST_STACKING"),
                             XCB_ATOM_WINDOW, 0, 4096),
            nullptr);
        xcb_window_t above = XCB_WINDOW_NONE;
        if (reply && reply->format == 32) {
            const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
            const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_window_t));
            // Bottom to top.
            const int at = int(std::find(windows, windows + count, id_) - windows);
            if (at + 1 < count) {
                above = windows[at + 1];
            }
        }
        std::free(reply);
        return above;
    }

    void restackUnder(xcb_window_t sibling)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id_;
        message.type = x11::atom(connection_, "_NET_RESTACK_WINDOW");
        message.data.data32[0] = 2; // from a pager: the program's own stacking, not the user's
        message.data.data32[1] = sibling;
        message.data.data32[2] = XCB_STACK_MODE_BELOW;
        xcb_send_event(connection_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

    QWindow& window_;
    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_window_t id_;
    xcb_atom_t showingDesktop_;
    xcb_atom_t windowType_;
    xcb_atom_t splash_;
    xcb_atom_t state_;
    xcb_atom_t wmState_;
    QVector<xcb_atom_t> madeAs_;
    QVector<xcb_atom_t> states_;
    xcb_window_t above_ = XCB_WINDOW_NONE;
    std::optional<xcb_window_t> restack_;
    bool asSplash_ = false;
    bool withdrawing_ = false;
};

} // namespace

namespace this_system {

void keepOnShownDesktop(QWindow& window)
{
    if (xcb_connection_t* connection = x11::connection()) {
        new ShownDesktopWatch(window, connection);
    }
}

} // namespace this_system
