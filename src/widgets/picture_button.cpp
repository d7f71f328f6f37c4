#include "widgets/picture_button.h"

#include "core/colour.h"
#include "widgets/picture_dialog.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace {

// Light dots between dark ones: the mark shows on light and dark pictures alike, and
// looks like nothing a picture shows (least of all the blue of a chosen option's frame).
constexpr ColourRef markLight = 0x00F0F0F0;
constexpr ColourRef markDark = 0x00312D2D;

} // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked) {
            emit clicked(true);
        }
    });
}

void paintFocusMark(QPainter& painter, const QRect& rect)
{
    // One pixel wide at every scale (two device pixels at 200 %), just inside `rect`.
    const QRectF line = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(toQColor(markDark), 1));
    painter.drawRect(line);
    painter.setPen(QPen(toQColor(markLight), 1, Qt::DotLine, Qt::FlatCap));
    painter.drawRect(line);
}

bool tookKeyboardFocus(const QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

void PictureButton::drawFocusMark(QPainter& painter, const QRect& rect) const
{
    if (keyboardFocus_ && hasFocus()) {
        paintFocusMark(painter, rect);
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const QPointer<PictureButton> self(this);
        const bool wasChecked = isChecked();
        click();
        if (self && isChecked() && !wasChecked) {
            sayChosen();
        }
        break;
    }
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (!focusNeighbour(-1)) {
            event->ignore();
        }
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (!focusNeighbour(1)) {
            event->ignore();
        }
        break;
    default:
        QAbstractButton::keyPressEvent(event);
        break;
    }
}

bool PictureButton::focusNeighbour(int step)
{
    const QButtonGroup* options = group();
    if (!options) {
        return false;
    }
    const QList<QAbstractButton*> buttons = options->buttons();
    for (qsizetype i = buttons.indexOf(this) + step; i >= 0 && i < buttons.size(); i += step) {
        QAbstractButton* neighbour = buttons[i];
        if (neighbour->isEnabled() && neighbour->isVisibleTo(window())) {
            neighbour->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void PictureButton::sayChosen()
{
    if (auto* dialog = qobject_cast<PictureDialog*>(window())) {
        dialog->announce(QAccessible::queryAccessibleInterface(this)->text(QAccessible::Name) + chosenWords);
    }
}

void PictureButton::focusInEvent(QFocusEvent* event)
{
    keyboardFocus_ = tookKeyboardFocus(event);
    // QAbstractButton's own would take Tab from the group's other options: Tab reaches
    // every button of a window.
    QWidget::focusInEvent(event);
    update();
}

void PictureButton::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
    update();
}

void PictureButton::nextCheckState()
{
    // A click asks for the option; whether it is the current one is the window's to
    // show. Its group still unchecks the option it leaves this way.
    if (isChecked()) {
        QAbstractButton::nextCheckState();
    }
}
