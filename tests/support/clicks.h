#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// Mouse input as the window system delivers it to a widget.
namespace clicks {

// A move to `at` (widget coordinates) with `held` buttons down.
inline void moveTo(QWidget* widget, QPoint at, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton, held,
                      {});
    QApplication::sendEvent(widget, &event);
}

// Press and release in the middle of the widget.
inline void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint centre = widget->rect().center();
    QTest::mousePress(widget, button, {}, centre);
    QTest::mouseRelease(widget, button, {}, centre);
}

} // namespace clicks
