#include "widgets/step_field.h"

#include "widgets/picture_button.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

StepField::StepField(int minimum, int maximum, QWidget* parent)
    : QLabel(parent), minimum_(minimum), maximum_(maximum)
{
    setFocusPolicy(Qt::TabFocus);
}

void StepField::setValue(int value)
{
    if (value == value_) {
        return;
    }
    value_ = value;
    setText(QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')));
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

void StepField::requestValue(int value)
{
    emit valueRequested(std::clamp(value, minimum_, maximum_));
}

void StepField::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit stepRequested(1);
        break;
    case Qt::Key_Down:
        emit stepRequested(-1);
        break;
    default:
        QLabel::keyPressEvent(event);
        break;
    }
}

void StepField::focusInEvent(QFocusEvent* event)
{
    keyboardFocus_ = tookKeyboardFocus(event);
    QLabel::focusInEvent(event);
    update();
}

void StepField::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    QLabel::focusOutEvent(event);
    update();
}

void StepField::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (keyboardFocus_ && hasFocus()) {
        QPainter painter(this);
        paintFocusMark(painter, rect());
    }
}
