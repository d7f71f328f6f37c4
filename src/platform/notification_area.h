#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Whether the desktop has a notification area for the program's icon, and word once
// one appears. On Linux that is either a StatusNotifier host on the session bus (the
// panels of Plasma, GNOME's tray extension, Xfce's status-notifier plugin, most Wayland
// panels) or an X11 system tray (the older panels, trayer). Qt makes its choice between
// the two once for the whole run, the first time a tray icon is made, and then follows
// the kind it chose (a restarted watcher, a new tray); so the icon is made only once
// one of them is there. Windows always has its taskbar's.
class NotificationArea final : public QObject
{
    Q_OBJECT

public:
    NotificationArea();
    ~NotificationArea() override;

    // Runs `then` once a notification area is there: soon when there is one now, else
    // when one comes. A later call replaces a `then` still waiting.
    void whenPresent(std::function<void()> then);
    // Forgets a `then` still waiting.
    void cancel();

private slots:
    void askForStatusNotifierHost();

private:
    class Watch;
    void found();

    std::function<void()> then_;
    std::unique_ptr<Watch> watch_;
};
