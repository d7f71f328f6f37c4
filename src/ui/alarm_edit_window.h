#pragma once

#include "storage/alarm.h"
#include "ui/time_step.h"
#include "widgets/picture_dialog.h"

#include <array>
#include <optional>

class HighlightBar;
class StepField;
class ToggleChip;

namespace artwork {
struct Caption;
}
class Clock;
class Questions;
class SoundOutput;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;

// The alarm edit window: the time with four stepping bars, the sound (the standard one
// or a wave file), the message, and the days it rings on (chosen days of the week, with
// every day and Monday to Friday at one touch, or once). 適用 hands the alarm to whoever
// opened the window (accepted) and closes it.
class AlarmEditWindow final : public PictureDialog
{
    Q_OBJECT

public:
    // Opens on `alarm` to change it, or, with none, on a new alarm at the current time.
    AlarmEditWindow(const Clock& clock, const SoundOutput& sound, Questions& questions,
                    const std::optional<Alarm>& alarm);

    // The pixel width a wave file's path is shortened to in the sound field.
    static constexpr int pathWidth = 256;

signals:
    // The alarm as confirmed: enabled, with its time, sound, display choice, message and days.
    void accepted(const Alarm& alarm);

private:
    // The stepping timer's tick (repeatTimer): repeats the held stepping bar, or stops.
    void repeatHeldStep();
    // The hour's or the minute's field, from 0 to `maximum`; Up and Down step it as the
    // bars do.
    StepField* addField(int maximum, const QRect& geometry, TimeStep up, TimeStep down, const char* name);
    // A stepping bar for the field whose unit ("時", "分") is `unit`.
    HighlightBar* addStepper(const artwork::Caption& caption, QPoint at, TimeStep step, const QLabel* unit,
                             const char* name);
    void step(TimeStep step);
    void showTime();
    void setSound(const std::optional<QString>& waveFile);
    void chooseWave();
    void addDayRow();
    // A day chip clicked: the day joins or leaves the chosen days (the last one stays);
    // after "once" it is the one day chosen.
    void toggleDay(int day);
    void setDays(AlarmDays days);
    void showDays();
    void accept();

    const SoundOutput& sound_;
    Questions& questions_;
    StepField* hourText_;
    StepField* minuteText_;
    HighlightBar* chooseWaveBar_;
    QLineEdit* soundField_;
    QLineEdit* messageField_;
    QCheckBox* showMessageBox_;
    std::array<ToggleChip*, 7> dayChips_;
    ToggleChip* everyDayChip_;
    ToggleChip* workdaysChip_;
    ToggleChip* onceChip_;
    QTimer* repeatTimer_;
    QTime time_;
    std::optional<QString> waveFile_;
    AlarmDays days_;
    TimeStep heldStep_ = TimeStep::None;
};
