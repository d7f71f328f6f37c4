#pragma once

#include "platform/desktop_shell.h"

#include <QObject>
#include <QPoint>

class ClockModel;
class QMenu;

// The program's icon in the notification area, there while the tray icon setting is on,
// and while clicks pass through the clock, whose own menu is then out of reach; with the
// clock's menu for panels that show it themselves. A press the panel leaves to
// the program asks for the menu; a left press brings the clock forward first. Its tip is
// the program's name and the next alarm.
class TrayIcon final : public QObject
{
    Q_OBJECT

public:
    TrayIcon(ClockModel& model, DesktopShell& shell, QMenu& menu);

    // Adds or removes the icon as the settings say.
    void update();
    void remove();

signals:
    void menuRequested(QPoint at, DesktopShell::TrayPress press);

private:
    QString tip() const;

    ClockModel& model_;
    DesktopShell& shell_;
    QMenu& menu_;
};
