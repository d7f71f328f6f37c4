#pragma once

#include "widgets/picture_dialog.h"

class ClockModel;
class Platform;
class QLabel;

// The message window: the one notice window of the program, for ringing alarms and
// for confirmations. It stays in front of other windows and beeps when it opens,
// unless the alarm that rang last played a wave file.
class MessageWindow final : public PictureDialog
{
    Q_OBJECT

public:
    MessageWindow(const QString& text, const ClockModel& model, Platform& platform);

    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* text_;
};
