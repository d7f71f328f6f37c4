#include "widgets/window_drag.h"

#include "platform/this_system.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window)
{
    settle_.setSingleShot(true);
    settle_.setInterval(settleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, &WindowDrag::endSystemMove);
    window_->installEventFilter(this);
}

void WindowDrag::press(const QMouseEvent& event)
{
    // A press reaches the window again: the window system's move has ended, whether or not
    // the window came to rest for long.
    endSystemMove();
    if (event.button() != Qt::LeftButton) {
        return;
    }
    // The move starts only once the pointer moves with the button held: a window system's
    // move started by a mere click may outlive the click and carry the window along.
    mode_ = Mode::Pending;
    pressedAt_ = event.globalPosition().toPoint();
    // Where in the window the press fell, from the event itself: the window's own idea of
    // where it stands lags while the window system places it.
    grabOffset_ = event.scenePosition().toPoint();
}

void WindowDrag::move(const QMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton)) {
        return;
    }
    const QPoint at = event.globalPosition().toPoint();
    if (mode_ == Mode::Pending && (at - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        QWindow* handle = window_->windowHandle();
        mode_ = handle && this_system::startWindowMove(*handle, grabOffset_) ? Mode::System : Mode::Manual;
        emit moveStarted();
    }
    if (mode_ == Mode::Manual) {
        window_->move(at - grabOffset_);
    }
}

void WindowDrag::release()
{
    // During the window system's move a release may come at its very start (the toolkit
    // lets go of the button it handed over); that move ends when the window comes to rest.
    if (mode_ != Mode::System) {
        mode_ = Mode::Idle;
    }
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Move && mode_ == Mode::System) {
        settle_.start();
    }
    return QObject::eventFilter(watched, event);
}

void WindowDrag::endSystemMove()
{
    if (mode_ == Mode::System) {
        mode_ = Mode::Idle;
        emit moveEnded();
    }
}
