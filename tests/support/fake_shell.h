#pragma once

#include "platform/desktop_shell.h"

#include <QList>

// A scripted desktop shell: the test decides what the desktop can do and reads back the
// tray icon, the links opened and the start-up entry.
class FakeShell final : public DesktopShell
{
public:
    DesktopFamily family() const override { return desktopFamily; }
    bool windowsPlaceAndShapeThemselves() const override { return placesAndShapesWindows; }
    void keepOffTaskbar(QWindow&) const override {}
    bool showsWindowOpacity() const override { return composes; }
    void keepOnShownDesktop(QWindow&) const override {}
    void addTrayIcon(const QIcon& icon, const QString& tip, QMenu& menu,
                     std::function<void(TrayPress)> onPress) override;
    void removeTrayIcon() override;
    void setTrayTip(const QString& tip) override { trayTip = tip; }
    bool openUrl(const QUrl& url) override
    {
        openedUrls.append(url);
        return browserAvailable;
    }
    bool registerStartup() override;
    bool unregisterStartup() override;
    bool startsAtLogOn() const override { return startupRegistered; }

    // A press on the notification-area icon, as the desktop would report it.
    void pressTrayIcon(TrayPress press);

    DesktopFamily desktopFamily = DesktopFamily::Freedesktop;
    bool placesAndShapesWindows = true;
    bool composes = true; // false: an X server without a compositing manager

    bool trayIconShown = false;
    int trayIconAdds = 0;
    QString trayTip;
    QIcon trayIcon;
    const QMenu* trayMenu = nullptr;

    QList<QUrl> openedUrls;
    bool browserAvailable = true; // false: no link opens

    // The start-up entry as the fake desktop keeps it; `startupFolderUsable` false
    // makes both requests fail.
    bool startupRegistered = false;
    bool startupFolderUsable = true;

private:
    std::function<void(TrayPress)> trayPress_;
};
