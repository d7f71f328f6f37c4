#pragma once

#include "app/clock_heartbeat.h"
#include "model/clock_model.h"
#include "ui/clock_menu.h"
#include "ui/clock_window.h"
#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/sounds.h"
#include "ui/tray_icon.h"

// Builds and owns the running program: the model, what is heard, the clock window, its
// heartbeat, the dialogs, the menu and the tray icon, and the wiring between them. main() only makes the
// QApplication, the parts of the desktop and this.
class Application final
{
public:
    explicit Application(const Desktop& desktop);

    // Reads the settings and alarms and shows the clock. False when a settings file stops
    // start-up: the message has been shown, no window appears and no file was written.
    bool start();

    // The menu's 終了: writes the position, takes the outline and the tray icon away, and
    // closes the clock, which ends the program.
    void quit();

    ClockModel& model() { return model_; }
    ClockWindow& clockWindow() { return clockWindow_; }
    ClockHeartbeat& heartbeat() { return heartbeat_; }
    Dialogs& dialogs() { return dialogs_; }
    ClockMenu& menu() { return menu_; }

private:
    // The end of the program: the clock stops, its outline and tray icon go, the
    // position is written (unless the caller wrote it), the sound stops and every window
    // closes. Runs once.
    void shutDown(bool writePosition);

    Desktop desktop_;
    ClockModel model_;
    Sounds sounds_;
    ClockWindow clockWindow_;
    ClockHeartbeat heartbeat_;
    Dialogs dialogs_;
    ClockMenu menu_;
    TrayIcon trayIcon_;
    bool shutDown_ = false;
};
