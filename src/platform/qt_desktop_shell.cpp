#include "platform/qt_desktop_shell.h"

#include "platform/autostart.h"
#include "platform/this_system.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QSystemTrayIcon>

QtDesktopShell::QtDesktopShell() = default;

QtDesktopShell::~QtDesktopShell() = default;

void QtDesktopShell::prepareProcess()
{
    // On X11 Qt hands window images over in shared memory, and before each redraw waits
    // for the X server to answer that it has read the last one: a round trip that wakes
    // Qt's event reader thread at every tick. The clock's windows are small enough to
    // send their pixels with the request, which needs no answer.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

DesktopFamily QtDesktopShell::family() const
{
    return this_system::desktopFamily();
}

bool QtDesktopShell::windowsPlaceAndShapeThemselves() const
{
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void QtDesktopShell::keepOffTaskbar(QWindow& window) const
{
    this_system::keepOffTaskbar(window);
}

bool QtDesktopShell::showsWindowOpacity() const
{
    return this_system::composites();
}

void QtDesktopShell::keepOnShownDesktop(QWindow& window) const
{
    this_system::keepOnShownDesktop(window);
}

void QtDesktopShell::addTrayIcon(const QIcon& icon, const QString& tip, QMenu& menu,
                                 std::function<void(TrayPress)> onPress)
{
    if (trayIconWanted_) {
        return;
    }
    trayIconWanted_ = true;
    trayTip_ = tip;
    notificationArea_.whenPresent([this, icon, &menu, onPress = std::move(onPress)]() mutable {
        showTrayIcon(icon, menu, std::move(onPress));
    });
}

void QtDesktopShell::setTrayTip(const QString& tip)
{
    trayTip_ = tip;
    if (trayIcon_) {
        trayIcon_->setToolTip(tip);
    }
}

void QtDesktopShell::showTrayIcon(const QIcon& icon, QMenu& menu, std::function<void(TrayPress)> onPress)
{
    trayIcon_ = std::make_unique<QSystemTrayIcon>(icon);
    trayIcon_->setToolTip(trayTip_);
    // A StatusNotifier item publishes the menu over D-Bus, for which Qt makes it a
    // platform menu; the panel then shows it itself. Where Qt makes none (the X11
    // embedding, Windows' taskbar) it would pop the menu up by itself at a right press,
    // beside the one `onPress` opens: there the icon keeps no menu.
    trayIcon_->setContextMenu(&menu);
    if (!menu.platformMenu()) {
        trayIcon_->setContextMenu(nullptr);
    }
    // Handled from the event loop, once the press's own event is done with: a panel
    // that asked over D-Bus gets its answer at once, not when the menu closes.
    QObject::connect(
        trayIcon_.get(), &QSystemTrayIcon::activated, trayIcon_.get(),
        [onPress = std::move(onPress)](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger) {
                onPress(TrayPress::Left);
            } else if (reason == QSystemTrayIcon::Context) {
                onPress(TrayPress::Right);
            }
        },
        Qt::QueuedConnection);
    trayIcon_->show();
}

void QtDesktopShell::removeTrayIcon()
{
    trayIconWanted_ = false;
    notificationArea_.cancel();
    if (trayIcon_) {
        // The icon may be removed from its own menu: let its signal finish first.
        trayIcon_->hide();
        trayIcon_.release()->deleteLater();
    }
}

bool QtDesktopShell::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool QtDesktopShell::registerStartup()
{
    return autostart::create(QCoreApplication::applicationFilePath());
}

bool QtDesktopShell::unregisterStartup()
{
    return autostart::remove(QCoreApplication::applicationFilePath());
}

bool QtDesktopShell::startsAtLogOn() const
{
    return autostart::isRegistered(QCoreApplication::applicationFilePath());
}
