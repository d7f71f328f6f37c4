#pragma once

#include "widgets/picture_button.h"
#include "widgets/scaled_picture.h"

namespace artwork {
struct Chip;
}

// A small option that is on or off (a day of the week), drawn from its two pictures. A
// screen reader hears a check box named by its words (text()). A click, or a toggle from
// a screen reader, asks the window (clicked()); the window shows whether it is on
// (showOn), so that the mark always says what the window holds.
class ToggleChip final : public PictureButton
{
    Q_OBJECT

public:
    // A chip of the artwork catalogue (artwork::chip) showing `words`.
    ToggleChip(const artwork::Chip& chip, const QString& words, QWidget* parent);

    void showOn(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;

private:
    ScaledPicture off_;
    ScaledPicture on_;
};
