#include "widgets/window_drag.h"

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
    if (event.button() != Qt::LeftButton) {
        return;
    }
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) {
        mode_ = Mode::System;
        return;
    }
    mode_ = Mode::Manual;
    grabOffset_ = event.globalPosition().toPoint() - window_->pos();
}

void WindowDrag::move(const QMouseEvent& event)
{
    if (mode_ == Mode::Manual && (event.buttons() & Qt::LeftButton)) {
        window_->move(event.globalPosition().toPoint() - grabOffset_);
    }
}

void WindowDrag::release()
{
    // During the window system's move a release may come at its very start (the toolkit
    // lets go of the button it handed over); that move ends when the window comes to rest.
    if (mode_ == Mode::Manual) {
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
