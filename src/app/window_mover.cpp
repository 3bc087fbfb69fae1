// SPDX-License-Identifier: MIT
#include "window_mover.h"

#include "desktop/window_move.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

void WindowMover::press(QWidget& window, QMouseEvent* event) {
    window_ = window.window();
    pressedAt_ = event->globalPosition().toPoint();
    grabbedAt_.reset();
}

bool WindowMover::move(QMouseEvent* event) {
    if (!window_ || !(event->buttons() & Qt::LeftButton)) {
        release();
        return false;
    }
    const QPoint at = event->globalPosition().toPoint();
    if (grabbedAt_) {
        window_->move(at - *grabbedAt_);
        return true;
    }
    if (!pressedAt_)
        return false;
    if ((at - *pressedAt_).manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
        return true;
    const QPoint pressedAt = *std::exchange(pressedAt_, std::nullopt);
    if (QWindow* handle = window_->windowHandle(); handle && startWindowMove(*handle, pressedAt))
        return true;
    grabbedAt_ = pressedAt - window_->frameGeometry().topLeft();
    window_->move(at - *grabbedAt_);
    return true;
}

void WindowMover::release() {
    pressedAt_.reset();
    grabbedAt_.reset();
}
