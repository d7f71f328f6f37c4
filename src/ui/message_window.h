#pragma once

#include "widgets/picture_dialog.h"

#include <QStringList>

class ClockModel;
class ImageButton;
class SoundOutput;
class QScrollArea;
class WrappedText;

// The message window: the one notice window of the program, for ringing alarms and
// for confirmations. It stays in front of other windows and beeps when a message comes,
// unless the alarm that rang last played a wave file. A message that comes while it is
// open is added below the others: the window grows to show them all, and moves up to
// stay wholly inside the free part of its screen. Messages that need more room than
// that scroll (wheel, arrow and page keys, Home, End) above the close button.
class MessageWindow final : public PictureDialog
{
    Q_OBJECT

public:
    MessageWindow(const QString& text, const ClockModel& model, SoundOutput& sound);

    // Adds a message below the ones shown, and scrolls to it.
    void addMessage(const QString& text);

    // Everything shown, the messages separated by an empty line.
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void beep();
    void showMessages();

    const ClockModel& model_;
    SoundOutput& sound_;
    QStringList messages_;
    QScrollArea* scrollArea_;
    WrappedText* text_;
    ImageButton* closeButton_;
};
