#pragma once

#include "model/clock_model.h"
#include "ui/clock_menu.h"
#include "ui/clock_window.h"
#include "ui/dialogs.h"

class Platform;

// Builds and owns the running program: the model, the clock window, the dialogs and the
// menu, and the wiring between them. main() only makes the QApplication, the desktop
// and this.
class Application final
{
public:
    explicit Application(Platform& platform);

    // Reads the settings and alarms and shows the clock. False when a settings file stops
    // start-up: the message has been shown, no window appears and no file was written.
    bool start();

    ClockModel& model() { return model_; }
    ClockWindow& clockWindow() { return clockWindow_; }
    Dialogs& dialogs() { return dialogs_; }

private:
    void shutDown();

    Platform& platform_;
    ClockModel model_;
    ClockWindow clockWindow_;
    Dialogs dialogs_;
    ClockMenu menu_;
};
