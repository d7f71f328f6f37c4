#pragma once

#include "platform/notification_area.h"
#include "platform/platform.h"
#include "platform/system_sound.h"

#include <memory>

class QSystemTrayIcon;

// The desktop as Qt provides it, on Linux and on Windows alike.
class QtPlatform final : public Platform
{
public:
    LocalTime now() const override;
    QString settingsFolder() const override { return settingsFolder_; }
    QString dataFolder() const override { return dataFolder_; }
    bool windowsPlaceAndShapeThemselves() const override;
    void showMessage(const QString& text, const QString& caption) override;
    bool playWave(const QString& path) override;
    std::optional<WaveProblem> checkWave(const QString& path) const override;
    void stopSound() override;
    void beep() override;
    int popupMenu(const QStringList& entries, QPoint at) override;
    void addTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayPress)> onPress) override;
    void removeTrayIcon() override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    std::optional<ColourRef> chooseColour(ColourRef initial,
                                          const std::array<ColourRef, 16>& customColours) override;
    bool openUrl(const QUrl& url) override;
    bool registerStartup() override;
    bool unregisterStartup() override;
    bool startsAtLogOn() const override;

    QtPlatform();
    ~QtPlatform() override;

    // Settings of Qt itself that must be made before the application object exists.
    static void prepareProcess();

private:
    void showTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayPress)> onPress);

    QString settingsFolder_;
    QString dataFolder_;
    SystemSound sound_;
    NotificationArea notificationArea_;
    bool trayIconWanted_ = false;
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
};
