#pragma once

#include <QWidget>

// What the picture buttons share for the keyboard: Tab reaches them, Space or Enter acts
// as a click, and a focus mark shows which one has the focus. The mark shows only for
// focus that came from the keyboard, so a window opening or a mouse click leaves the
// pictures as drawn.
class KeyboardButton : public QWidget
{
    Q_OBJECT

public:
    explicit KeyboardButton(QWidget* parent);

    // What a click does. Space or Enter while focused and a screen reader's press do the same.
    virtual void click() = 0;

    // The words the button's picture shows, which a screen reader says as its name; empty
    // for a picture without words.
    virtual QString captionText() const = 0;

protected:
    // Draws the focus mark (a dotted rectangle, light on dark, one pixel wide just inside
    // `rect`) when the keyboard gave the focus.
    void drawFocusMark(QPainter& painter, const QRect& rect) const;

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool keyboardFocus_ = false;
};
