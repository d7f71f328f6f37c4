#pragma once

#include <QAbstractButton>

// The mark of the keyboard's focus: a dotted rectangle, light on dark, one pixel wide
// just inside `rect`, which a control draws when tookKeyboardFocus said so.
void paintFocusMark(QPainter& painter, const QRect& rect);
// Whether the focus came from the keyboard (Tab, Shift+Tab, a shortcut), not from a
// click or a window opening.
bool tookKeyboardFocus(const QFocusEvent* event);

// What the kit's buttons add to Qt's button. They draw themselves from pictures and take
// the focus by Tab alone (a click leaves the focus where it was). Space clicks on its
// release, as Qt's buttons do; Return and Enter click at once. The arrow keys move the
// focus to the next or previous option of its group (QButtonGroup) without choosing it;
// outside a group they are left to the window. A focus mark shows which one has the
// focus, only for focus that came from the keyboard, so a window opening or a mouse
// click leaves the pictures as drawn.
//
// A checkable one is an option (ChoiceGroup): a click does not check it, it asks for it
// (clicked()), and the window shows whether it became the current one (showChosen), so
// that the check says what the clock or the desktop did. Qt's accessible button checks
// an option through toggle(), without a click: such a check emits clicked() too.
// Screen readers (Orca) speak an option's new check after Space but not after Return:
// an option that Return chose is announced by its window (its name, then chosenWords).
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent);

    static inline const QString chosenWords = QStringLiteral(" を選択しました");

protected:
    // Draws the focus mark (paintFocusMark) when the keyboard gave the focus.
    void drawFocusMark(QPainter& painter, const QRect& rect) const;

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void nextCheckState() override;

private:
    // Moves the focus to the neighbour in the group before (-1) or after (+1) this one.
    bool focusNeighbour(int step);
    void sayChosen();

    bool keyboardFocus_ = false;
};
