#pragma once

#include "core/colour.h"
#include "widgets/picture_dialog.h"

#include <QImage>

class ClockModel;
class Dialogs;
class Clock;
class Questions;
class HighlightBar;
class PictureView;
class QTimer;

// 時刻・日付の色変更: the colour of the digital read-out, picked in the desktop's colour
// dialog and shown on a live read-out in the clock's large digits. 変更する gives the
// clock the colour and saves it; キャンセル forgets it.
class ReadoutColourWindow final : public PictureDialog
{
    Q_OBJECT

public:
    ReadoutColourWindow(ClockModel& model, Dialogs& dialogs, const Clock& clock, Questions& questions);

    // The preview timer's tick (250 ms): the current time in the edited colour.
    // Public so that tests step it instead of waiting.
    void drawReadoutPreview();

private:
    void editColour();
    void accept();

    ClockModel& model_;
    Dialogs& dialogs_;
    const Clock& clock_;
    Questions& questions_;
    ColourRef editedColour_;
    PictureView* preview_;
    PictureView* swatch_;
    HighlightBar* pickBar_;
    QImage strip_;
    QImage panel_;
    QTimer* previewTimer_;
};
