#include "support/fake_platform.h"

FakePlatform::FakePlatform(QString settingsFolder)
    : dataFolderPath(settingsFolder), settingsFolder_(std::move(settingsFolder))
{
    setNow(QDateTime(QDate(2024, 5, 17), QTime(9, 5, 0)));
}

void FakePlatform::showMessage(const QString& text, const QString& caption)
{
    messages.push_back({text, caption});
}

void FakePlatform::setNow(int hour, int minute, int second, int millisecond)
{
    now_.hour = hour;
    now_.minute = minute;
    now_.second = second;
    now_.millisecond = millisecond;
}

bool FakePlatform::playWave(const QString& path)
{
    if (unplayableWaves.contains(path)) {
        return false;
    }
    playedWaves.append(path);
    return true;
}

std::optional<WaveProblem> FakePlatform::checkWave(const QString& path) const
{
    const auto found = unplayableWaves.constFind(path);
    return found == unplayableWaves.constEnd() ? std::nullopt : std::optional(*found);
}

int FakePlatform::popupMenu(const QStringList& entries, QPoint at)
{
    menus.push_back({entries, at});
    if (onMenu) {
        onMenu();
    }
    if (menuChoices.empty()) {
        return -1;
    }
    const int choice = menuChoices.front();
    menuChoices.erase(menuChoices.begin());
    return choice;
}

void FakePlatform::addTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayPress)> onPress)
{
    ++trayIconAdds;
    if (trayIconShown) {
        return;
    }
    trayIconShown = true;
    trayIcon = icon;
    trayTip = tip;
    trayPress_ = std::move(onPress);
}

void FakePlatform::removeTrayIcon()
{
    trayIconShown = false;
    trayPress_ = nullptr;
}

void FakePlatform::pressTrayIcon(TrayPress press)
{
    if (trayIconShown && trayPress_) {
        trayPress_(press);
    }
}

bool FakePlatform::registerStartup()
{
    startupRegistered = startupRegistered || startupFolderUsable;
    return startupFolderUsable;
}

bool FakePlatform::unregisterStartup()
{
    const bool removed = startupFolderUsable && startupRegistered;
    startupRegistered = startupRegistered && !removed;
    return removed;
}

QString FakePlatform::chooseOpenFile(const QString& title, const QString& filter)
{
    fileDialogs.append(title + u'|' + filter);
    return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
}

std::optional<ColourRef> FakePlatform::chooseColour(ColourRef initial,
                                                    const std::array<ColourRef, 16>& customColours)
{
    colourDialogs.push_back({initial, customColours});
    if (colourChoices.empty()) {
        return std::nullopt;
    }
    const std::optional<ColourRef> choice = colourChoices.front();
    colourChoices.erase(colourChoices.begin());
    return choice;
}
