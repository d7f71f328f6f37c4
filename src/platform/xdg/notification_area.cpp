#include "platform/notification_area.h"

#include "platform/xdg/x11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <utility>
#include <xcb/xcb.h>

using namespace Qt::StringLiterals;

namespace {

const QString watcherService = u"org.kde.StatusNotifierWatcher"_s;
const QString watcherPath = u"/StatusNotifierWatcher"_s;

// A panel that is both an X11 tray and a StatusNotifier host (Xfce's Status Tray,
// Plasma's embedding proxy) takes the tray's selection a moment before its watcher comes
// onto the bus. The StatusNotifier item is the one that carries the menu to the panel:
// a tray that appears while the clock runs is taken only if no host has come by then.
constexpr int waitForStatusNotifierHost = 1000; // ms

// The X11 system tray of the default screen: the owner of its selection, announced to
// every client by a MANAGER message on the root window when a tray takes it.
class SystemTray final : public QAbstractNativeEventFilter
{
public:
    SystemTray(xcb_connection_t* connection, std::function<void()> appeared)
        : connection_(connection), appeared_(std::move(appeared))
    {
        selection_ = atom("_NET_SYSTEM_TRAY_S" + QByteArray::number(x11::defaultScreen()));
        manager_ = atom("MANAGER");
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~SystemTray() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool present() const
    {
        xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, selection_), nullptr);
        const bool owned = reply && reply->owner != XCB_NONE;
        std::free(reply);
        return owned;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* client = static_cast<const xcb_client_message_event_t*>(message);
            if (client->type == manager_ && client->format == 32 && client->data.data32[1] == selection_) {
                appeared_();
            }
        }
        return false;
    }

private:
    xcb_atom_t atom(const QByteArray& name) const
    {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, uint16_t(name.size()), name.constData()), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    xcb_connection_t* connection_;
    std::function<void()> appeared_;
    xcb_atom_t selection_ = XCB_ATOM_NONE;
    xcb_atom_t manager_ = XCB_ATOM_NONE;
};

} // namespace

// What is watched while the icon waits: the StatusNotifier watcher coming onto the
// session bus (and its host after it), and on X11 a system tray.
class NotificationArea::Watch
{
public:
    explicit Watch(NotificationArea& area)
        : area_(area), bus_(QDBusConnection::sessionBus()),
          watcher_(watcherService, bus_, QDBusServiceWatcher::WatchForRegistration)
    {
        // Only Qt's X11 platform docks icons in an X11 tray (the offscreen one answers
        // for X11 too, without a connection).
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (QGuiApplication::platformName() == u"xcb"_s && x11 && x11->connection()) {
            systemTray_ = std::make_unique<SystemTray>(x11->connection(), [&area] {
                QTimer::singleShot(waitForStatusNotifierHost, &area, &NotificationArea::found);
            });
        }
        if (!bus_.isConnected()) {
            return;
        }
        QObject::connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, &area,
                         &NotificationArea::askForStatusNotifierHost);
        bus_.connect(watcherService, watcherPath, watcherService, u"StatusNotifierHostRegistered"_s, &area,
                     SLOT(askForStatusNotifierHost()));
    }

    ~Watch()
    {
        if (bus_.isConnected()) {
            bus_.disconnect(watcherService, watcherPath, watcherService, u"StatusNotifierHostRegistered"_s,
                            &area_, SLOT(askForStatusNotifierHost()));
        }
    }

    bool systemTrayPresent() const { return systemTray_ && systemTray_->present(); }
    QDBusConnection& bus() { return bus_; }

private:
    NotificationArea& area_;
    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
    std::unique_ptr<SystemTray> systemTray_;
};

NotificationArea::NotificationArea() = default;
NotificationArea::~NotificationArea() = default;

void NotificationArea::whenPresent(std::function<void()> then)
{
    then_ = std::move(then);
    if (!watch_) {
        watch_ = std::make_unique<Watch>(*this);
    }
    if (watch_->systemTrayPresent()) {
        found();
        return;
    }
    askForStatusNotifierHost();
}

void NotificationArea::cancel()
{
    then_ = nullptr;
    watch_.reset();
}

void NotificationArea::askForStatusNotifierHost()
{
    if (!then_ || !watch_ || !watch_->bus().isConnected()) {
        return;
    }
    // Asked without waiting: a watcher that hangs must not hold the clock up. The
    // property is what Qt itself asks before it speaks to the watcher.
    QDBusMessage get = QDBusMessage::createMethodCall(watcherService, watcherPath,
                                                      u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get << watcherService << u"IsStatusNotifierHostRegistered"_s;
    get.setAutoStartService(false);
    auto* reply = new QDBusPendingCallWatcher(watch_->bus().asyncCall(get), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> answer = *call;
        if (answer.isValid() && answer.value().variant().toBool()) {
            found();
        }
    });
}

void NotificationArea::found()
{
    // Told once, from the event loop: not from inside the X event or the D-Bus reply
    // that told it, which Qt's own tray code then goes on to handle. The watch stays
    // until cancelled; it costs nothing while nothing changes.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (auto then = std::exchange(then_, nullptr)) {
                then();
            }
        },
        Qt::QueuedConnection);
}
