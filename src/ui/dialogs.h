#pragma once

#include "storage/alarm.h"
#include "ui/desktop.h"
#include "widgets/picture_dialog.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <optional>

class AboutWindow;
class AlarmEditWindow;
class AlarmListWindow;
class ClockModel;
class DesignChooserWindow;
class HandColourWindow;
class MessageWindow;
class OptionsWindow;
class QWidget;
class ReadoutColourWindow;
class SettingsWindow;
class Sounds;

// Which of the program's windows are open, at most one of each, and which windows are
// disabled while which are open. Every window that opens another asks here; the
// enabling of every window follows from the rules in dialogs.cpp alone.
class Dialogs final : public QObject
{
    Q_OBJECT

public:
    // The windows a rule can name.
    enum class Window
    {
        Clock,
        Settings,
        About,
        AlarmList,
        AlarmEdit,
        Message,
        DesignChooser,
        HandColour,
        ReadoutColour,
        Options,
    };
    static constexpr std::size_t windowCount = std::size_t(Window::Options) + 1;

    // Why the message window was opened; it can carry several reasons at once, when a
    // second notice comes while it is open.
    enum class Notice
    {
        AlarmRang,
        AlarmsMissed,
        AlarmsSavedFromList,
        AlarmsSavedFromEditor,
        HandColoursChanged,
        ReadoutColourChanged,
    };

    Dialogs(ClockModel& model, const Desktop& desktop, Sounds& sounds, QWidget& clockWindow);
    ~Dialogs() override;

    // Each opens its window, or brings the open one forward.
    SettingsWindow* openSettings();
    AboutWindow* openAbout();
    AlarmListWindow* openAlarmList();
    // Adds an alarm (nothing given) or changes the one given.
    AlarmEditWindow* openAlarmEdit(const std::optional<Alarm>& alarm);
    DesignChooserWindow* openDesignChooser();
    HandColourWindow* openHandColour();
    ReadoutColourWindow* openReadoutColour();
    OptionsWindow* openOptions();

    // Shows a notice in the message window, with the sound Sounds gives it. When the
    // window is already open the notice is added below the ones it shows; its rule
    // applies as well.
    MessageWindow* showMessage(const QString& text, Notice notice);

    // The open window of a class, or null.
    template <typename T>
    T* find() const
    {
        for (const QPointer<PictureDialog>& dialog : dialogs_) {
            if (T* found = qobject_cast<T*>(dialog.data())) {
                return found;
            }
        }
        return nullptr;
    }

    // The open dialog of a kind, or null (the clock is no dialog).
    PictureDialog* dialog(Window window) const;
    // Whether a window is open (the clock always is).
    bool isOpen(Window window) const;

    // Another start of the program: the settings window opens where the menu could open
    // it (the desktop's launcher is a way in, too), and the clock and every open window
    // come to the front, the one that waits for the user on top and active.
    void answerAnotherStart();

    // Closes every window at once, without their closing steps: the program is ending.
    void closeAll();

private:
    // Opens the window made by `make`, centred (on `owner` when given), or brings the
    // open one forward.
    template <typename T, typename Make>
    T* open(Window window, Make make, const QWidget* owner = nullptr);
    QWidget* widget(Window window) const;
    // Shows a new window and keeps it until it closes.
    void track(Window window, PictureDialog* dialog);
    void forget(Window window);
    // A ringing alarm's message can snooze the alarms that wait for an answer.
    void offerSnooze(MessageWindow& message, Notice notice) const;
    // Enables every window that no open window or notice holds disabled.
    void updateEnabling();

    ClockModel& model_;
    Desktop desktop_;
    Sounds& sounds_;
    QWidget& clockWindow_;
    std::array<QPointer<PictureDialog>, windowCount> dialogs_; // by Window; the clock's stays empty
    // By Window: the control that had the focus as the window was disabled.
    std::array<QPointer<QWidget>, windowCount> heldFocus_;
    unsigned notices_ = 0; // a bit per Notice while the message window is open
};
