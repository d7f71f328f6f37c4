#pragma once

#include "platform/desktop_shell.h"
#include "platform/notification_area.h"

#include <memory>

class QSystemTrayIcon;

// The desktop shell as Qt provides it, on Linux and on Windows alike.
class QtDesktopShell final : public DesktopShell
{
public:
    QtDesktopShell();
    ~QtDesktopShell() override;

    DesktopFamily family() const override;
    bool windowsPlaceAndShapeThemselves() const override;
    void keepOffTaskbar(QWindow& window) const override;
    bool showsWindowOpacity() const override;
    void keepOnShownDesktop(QWindow& window) const override;
    void addTrayIcon(const QIcon& icon, const QString& tip, QMenu& menu,
                     std::function<void(TrayPress)> onPress) override;
    void removeTrayIcon() override;
    void setTrayTip(const QString& tip) override;
    bool openUrl(const QUrl& url) override;
    bool registerStartup() override;
    bool unregisterStartup() override;
    bool startsAtLogOn() const override;

    // Settings of Qt itself that must be made before the application object exists.
    static void prepareProcess();

private:
    void showTrayIcon(const QIcon& icon, QMenu& menu, std::function<void(TrayPress)> onPress);

    NotificationArea notificationArea_;
    bool trayIconWanted_ = false;
    QString trayTip_;
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
};
