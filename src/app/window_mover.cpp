// SPDX-License-Identifier: MIT
#include "window_mover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void WindowMover::press(QWidget& window, QMouseEvent* event) {
    window_ = window.window();
    grabbedAt_.reset();
    if (QWindow* handle = window_->windowHandle(); handle && handle->startSystemMove())
        return;
    grabbedAt_ = event->globalPosition().toPoint() - window_->frameGeometry().topLeft();
}

bool WindowMover::move(QMouseEvent* event) {
    if (!grabbedAt_ || !window_ || !(event->buttons() & Qt::LeftButton))
        return false;
    window_->move(event->globalPosition().toPoint() - *grabbedAt_);
    return true;
}
