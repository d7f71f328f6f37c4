#include "widgets/keyboard_button.h"

#include "core/colour.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// Light dots between dark ones: the mark shows on light and dark pictures alike, and
// looks like nothing a picture shows (least of all the blue of a chosen option's frame).
constexpr ColourRef markLight = 0x00F0F0F0;
constexpr ColourRef markDark = 0x00312D2D;

} // namespace

KeyboardButton::KeyboardButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void KeyboardButton::drawFocusMark(QPainter& painter, const QRect& rect) const
{
    if (keyboardFocus_) {
        // One pixel wide at every scale (two device pixels at 200 %), just inside `rect`.
        const QRectF line = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(toQColor(markDark), 1));
        painter.drawRect(line);
        painter.setPen(QPen(toQColor(markLight), 1, Qt::DotLine, Qt::FlatCap));
        painter.drawRect(line);
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
