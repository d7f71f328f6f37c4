#pragma once

#include "storage/alarm.h"
#include "ui/time_step.h"
#include "widgets/picture_dialog.h"

#include <optional>

class HighlightBar;

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
// or a wave file), and the message. 適用 hands the alarm to whoever opened the window
// (accepted) and closes it.
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
    // The alarm as confirmed: enabled, with its time, sound, display choice and message.
    void accepted(const Alarm& alarm);

private:
    // The stepping timer's tick (repeatTimer): repeats the held stepping bar, or stops.
    void repeatHeldStep();
    // A stepping bar for the field whose unit ("時", "分") is `unit`.
    HighlightBar* addStepper(const artwork::Caption& caption, QPoint at, TimeStep step, const QLabel* unit,
                             const char* name);
    void step(TimeStep step);
    void showTime();
    void setSound(const std::optional<QString>& waveFile);
    void chooseWave();
    void accept();

    const SoundOutput& sound_;
    Questions& questions_;
    QLabel* hourText_;
    QLabel* minuteText_;
    HighlightBar* chooseWaveBar_;
    QLineEdit* soundField_;
    QLineEdit* messageField_;
    QCheckBox* showMessageBox_;
    QTimer* repeatTimer_;
    QTime time_;
    std::optional<QString> waveFile_;
    TimeStep heldStep_ = TimeStep::None;
};
