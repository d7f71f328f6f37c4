#pragma once

#include "platform/platform.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <vector>

// A scripted desktop: the test sets the time, the settings folder and the user's
// answers, and reads back every message box, sound, menu and icon the program made.
class FakePlatform final : public Platform
{
public:
    struct Message
    {
        QString text;
        QString caption;
    };

    struct Menu
    {
        QStringList entries;
        QPoint at;
    };

    // The shipped files lie in the settings folder too, unless a test sets dataFolderPath.
    explicit FakePlatform(QString settingsFolder = QString());

    LocalTime now() const override { return now_; }
    QString settingsFolder() const override { return settingsFolder_; }
    QString dataFolder() const override { return dataFolderPath; }
    bool windowsPlaceAndShapeThemselves() const override { return placesAndShapesWindows; }
    void showMessage(const QString& text, const QString& caption) override;
    bool playWave(const QString& path) override;
    std::optional<WaveProblem> checkWave(const QString& path) const override;
    void stopSound() override { ++stops; }
    void beep() override { ++beeps; }
    int popupMenu(const QStringList& entries, QPoint at) override;
    void addTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayPress)> onPress) override;
    void removeTrayIcon() override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    std::optional<ColourRef> chooseColour(ColourRef initial,
                                          const std::array<ColourRef, 16>& customColours) override;
    bool openUrl(const QUrl& url) override
    {
        openedUrls.append(url);
        return browserAvailable;
    }
    bool registerStartup() override;
    bool unregisterStartup() override;
    bool startsAtLogOn() const override { return startupRegistered; }

    void setNow(const QDateTime& dateTime) { now_ = LocalTime::fromDateTime(dateTime); }
    void setNow(int hour, int minute, int second, int millisecond = 0);

    // A press on the notification-area icon, as the desktop would report it.
    void pressTrayIcon(TrayPress press);

    std::vector<Message> messages;

    QStringList playedWaves;
    QHash<QString, WaveProblem> unplayableWaves; // checkWave names these, playWave refuses them
    int stops = 0;
    int beeps = 0;

    // Menus shown, and what the user picks in the next ones (-1 dismisses; with none
    // scripted the menu is dismissed). `onMenu` runs while a menu is open.
    std::vector<Menu> menus;
    std::vector<int> menuChoices;
    std::function<void()> onMenu;

    bool trayIconShown = false;
    int trayIconAdds = 0;
    QString trayTip;
    QIcon trayIcon;

    QList<QUrl> openedUrls;
    bool browserAvailable = true; // false: no link opens

    // File dialogs shown (title and filter), and the user's next answers ("" cancels).
    QStringList fileDialogs;
    QStringList fileChoices;

    // Colour dialogs shown (the colour they opened on and their custom colours), and the
    // user's next answers (nothing cancels; with none scripted the dialog is cancelled).
    struct ColourDialog
    {
        ColourRef initial;
        std::array<ColourRef, 16> customColours;
    };
    std::vector<ColourDialog> colourDialogs;
    std::vector<std::optional<ColourRef>> colourChoices;

    // The start-up entry as the fake desktop keeps it; `startupFolderUsable` false
    // makes both requests fail.
    bool startupRegistered = false;
    bool startupFolderUsable = true;

    QString dataFolderPath;
    bool placesAndShapesWindows = true;

private:
    LocalTime now_;
    QString settingsFolder_;
    std::function<void(TrayPress)> trayPress_;
};
