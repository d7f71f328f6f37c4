#pragma once

#include "widgets/picture_dialog.h"

class Form1;
class ImageButton;
class QLabel;

// The message window: the one notice window of the program, for ringing alarms and
// for confirmations. It stays in front of other windows and beeps when it opens,
// unless the alarm that rang last played a wave file.
class Form4 final : public PictureDialog
{
    Q_OBJECT

public:
    // Shows `MsgTxt` in the message window. When the window is already open it is
    // only brought forward: its text stays and it does not beep again.
    static Form4* showMessage(Form1& form1, const QString& MsgTxt);

    QString text() const;
    ImageButton* closeButton() const { return Btn; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form4(Form1& form1, const QString& MsgTxt);
    void closeReleased();

    Form1& form1_;
    QLabel* Label1;
    ImageButton* Btn;
};
