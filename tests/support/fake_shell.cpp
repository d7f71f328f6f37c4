#include "support/fake_shell.h"

void FakeShell::addTrayIcon(const QIcon& icon, const QString& tip, QMenu& menu,
                            std::function<void(TrayPress)> onPress)
{
    ++trayIconAdds;
    if (trayIconShown) {
        return;
    }
    trayIconShown = true;
    trayIcon = icon;
    trayTip = tip;
    trayMenu = &menu;
    trayPress_ = std::move(onPress);
}

void FakeShell::removeTrayIcon()
{
    trayIconShown = false;
    trayPress_ = nullptr;
}

void FakeShell::pressTrayIcon(TrayPress press)
{
    if (trayIconShown && trayPress_) {
        trayPress_(press);
    }
}

bool FakeShell::registerStartup()
{
    startupRegistered = startupRegistered || startupFolderUsable;
    return startupFolderUsable;
}

bool FakeShell::unregisterStartup()
{
    const bool removed = startupFolderUsable && startupRegistered;
    startupRegistered = startupRegistered && !removed;
    return removed;
}
