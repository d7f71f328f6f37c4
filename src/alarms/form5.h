#pragma once

#include "alarms/time_step.h"
#include "widgets/picture_dialog.h"

#include <QTimer>

class Form1;
class Form8;
class HighlightBar;
class ImageButton;
class QCheckBox;
class QLabel;
class QLineEdit;

// The alarm edit window: the time with four stepping bars, the sound (the standard one
// or a wave file), and the message. OK puts the alarm into the list's working copy and
// saves the whole table at once.
class Form5 final : public PictureDialog
{
    Q_OBJECT

public:
    // Opens the window for the list's SetPlpty: 0 adds an alarm, 1 changes the one at LstIdx.
    static Form5* open(Form1& form1, Form8& form8);

    // The stepping timer's tick: repeats the held stepping bar, or stops.
    void repeatTick();

    // The pixel width a wave file's path is shortened to in Text1.
    static constexpr int pathWidth = 256;

    QLabel *Label5, *Label6;
    HighlightBar *BtnTimH1, *BtnTimH2, *BtnTimM1, *BtnTimM2, *FutWav, *HenWav;
    QLineEdit *Text1, *Text2;
    QCheckBox* Check1;
    ImageButton *BtnAl, *BtnCl;
    QTimer Timer1;

    // The sound as it will be stored: "標準" or the full path (Text1 may show it shortened).
    QString storedSound() const { return Label4; }
    TimeStep heldStep() const { return Label9; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Form5(Form1& form1, Form8& form8);

    HighlightBar* addStepper(const QString& caption, QPoint at, TimeStep step);
    void step(TimeStep step);
    void setSound(const QString& sound);
    void chooseWave();
    void accept();

    Form1& form1_;
    Form8& form8_;
    QString Label4;
    TimeStep Label9 = TimeStep::None;
};
