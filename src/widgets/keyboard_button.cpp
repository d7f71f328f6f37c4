#include "widgets/keyboard_button.h"

#include "core/colour.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr ColourRef markColour = 0x00FB7456;

} // namespace

KeyboardButton::KeyboardButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void KeyboardButton::drawFocusMark(QPainter& painter, const QRect& rect) const
{
    if (keyboardFocus_) {
        painter.setPen(toQColor(markColour));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void KeyboardButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        click();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void KeyboardButton::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    keyboardFocus_ =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    update();
}

void KeyboardButton::focusOutEvent(QFocusEvent*)
{
    keyboardFocus_ = false;
    update();
}
