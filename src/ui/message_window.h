#pragma once

#include "widgets/picture_dialog.h"

#include <QStringList>

class ImageButton;
class QScrollArea;
class WrappedText;

// The message window: the one notice window of the program, for ringing alarms and
// for confirmations. It stays in front of other windows. A message that comes while it is
// open is added below the others: the window grows to show them all, and moves up to
// stay wholly inside the free part of its screen. Messages that need more room than
// that scroll (wheel, arrow and page keys, Home, End) above the close button.
class MessageWindow final : public PictureDialog
{
    Q_OBJECT

public:
    explicit MessageWindow(const QString& text);

    // Adds a message below the ones shown, and scrolls to it.
    void addMessage(const QString& text);

    // Everything shown, the messages separated by an empty line.
    QString text() const;

    // A ringing alarm's message: a snooze button beside the close button, whose help says
    // `help`. Clicked, it signals snoozeChosen and closes the window.
    void offerSnooze(const QString& help);

signals:
    void snoozeChosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void showMessages();

    QStringList messages_;
    QScrollArea* scrollArea_;
    WrappedText* text_;
    ImageButton* closeButton_;
    ImageButton* snoozeButton_ = nullptr;
};
