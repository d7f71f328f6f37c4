#pragma once

#include "core/local_time.h"
#include "face/hand_painter.h"
#include "widgets/picture_dialog.h"

#include <array>

class ClockModel;
class Dialogs;
class Clock;
class Questions;
class HighlightBar;
class PictureView;
class QTimer;

// 針の色変更: a colour for each hand, picked in the desktop's colour dialog and shown on a
// small live face. 変更する gives the clock the three colours and saves them; キャンセル
// forgets them.
class HandColourWindow final : public PictureDialog
{
    Q_OBJECT

public:
    HandColourWindow(ClockModel& model, Dialogs& dialogs, const Clock& clock, Questions& questions);

    // The preview timer's tick (500 ms): redraws the small face when its second changed.
    // Public so that tests step it instead of waiting.
    void drawHandPreview();

    enum Hand
    {
        Hour,
        Minute,
        Second
    };

private:
    void editColour(Hand hand);
    void accept();

    ClockModel& model_;
    Dialogs& dialogs_;
    const Clock& clock_;
    Questions& questions_;
    std::array<ColourRef, 3> colours_;     // by Hand, as edited
    std::array<PictureView*, 3> swatches_; // by Hand
    std::array<HighlightBar*, 3> bars_;    // by Hand
    PictureView* preview_;
    QImage face_;
    QImage previewImage_;
    HandPainter hands_;
    LocalTime previewTime_;
    int lastDrawnSecond_ = -1;
    QTimer* previewTimer_;
};
