#pragma once

#include <QLabel>

// A number between a minimum and a maximum that the user steps, shown as a label in two
// digits (the alarm's hour and minute). Tab reaches it; Up and Down ask for a step
// (stepRequested), which the window makes and shows with setValue. A screen reader hears
// a spin button named by its label's buddy text, with its value, minimum and maximum,
// and is told of every value shown; one that sets the value asks for it (valueRequested).
class StepField final : public QLabel
{
    Q_OBJECT

public:
    StepField(int minimum, int maximum, QWidget* parent);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Shows `value`; a screen reader listening hears the change.
    void setValue(int value);

signals:
    // Up (+1) or Down (-1) pressed while it has the focus.
    void stepRequested(int direction);
    // A screen reader set this value, already within the range.
    void valueRequested(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class AccessibleStepField;
    void requestValue(int value);

    int minimum_;
    int maximum_;
    int value_ = -1;
    bool keyboardFocus_ = false;
};
