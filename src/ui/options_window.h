#pragma once

#include "ui/options_layout.h"
#include "widgets/picture_dialog.h"

#include <functional>

struct Chime;
class ClockModel;
class DesktopShell;
class HighlightBar;
class QLabel;
class QLineEdit;
class Questions;
class SoundOutput;
class ToggleChip;

namespace artwork {
struct Chip;
}

// The options window: what the clock does beyond its settings, a row each
// (options_layout): the snooze length, the hourly chime, its sound (the standard one
// or a wave file, checked when chosen) and its quiet hours; the clock's size, its
// opacity (saying so where the desktop shows none) and click-through. Each change is the
// model's at once; the window shows what the model holds.
class OptionsWindow final : public PictureDialog
{
    Q_OBJECT

public:
    OptionsWindow(ClockModel& model, const SoundOutput& sound, Questions& questions,
                  const DesktopShell& shell);

    // The pixel width a wave file's path is shortened to in the sound field.
    static constexpr int pathWidth = 190;

private:
    // The row's heading at its place and the line under the row; the top of the row.
    int addHeading(options_layout::Row row);
    // A number of up to `digits` digits shown large, with its unit, and a pair of stepping
    // bars beside it that call `step` with +1 and -1; the number's label.
    QLabel* addStepped(QPoint at, int digits, const QString& unit, const QString& described, const char* name,
                       const std::function<void(int)>& step);
    ToggleChip* addChip(const artwork::Chip& chip, QPoint at, const QString& described, const char* name);
    void stepSnoozeLength(int by);
    void stepQuietHour(bool from, int by);
    void setChimeSound(const std::optional<QString>& waveFile);
    // The chime as the model holds it, changed by `change`, to the model.
    void changeChime(const std::function<void(Chime&)>& change);
    void showOptions();
    void showGadgetOptions();

    ClockModel& model_;
    const SoundOutput& sound_;
    Questions& questions_;
    QLabel* snoozeLength_;
    ToggleChip* chimeChip_;
    QLineEdit* chimeSound_;
    HighlightBar* chooseWaveBar_;
    ToggleChip* quietChip_;
    QLabel* quietFrom_;
    QLabel* quietTo_;
    QLabel* clockSize_;
    QLabel* opacity_;
    ToggleChip* opaqueChip_;
    QLabel* noOpacityNote_;
    ToggleChip* clickThroughChip_;
};
