// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <optional>

class QMouseEvent;
class QWidget;

// Moves a borderless window by a press on its background, through the window system's own move so
// that window managers snap and constrain it as they do for title bars; where the window system
// has none, the window follows the mouse itself.
class WindowMover {
public:
    // A left press on the background of window: starts the move.
    void press(QWidget& window, QMouseEvent* event);
    // Whether the move the press started takes this motion.
    bool move(QMouseEvent* event);
    void release() { grabbedAt_.reset(); }

private:
    QWidget* window_ = nullptr;
    // Where the mouse holds the window, from its top left, while it follows the mouse itself.
    std::optional<QPoint> grabbedAt_;
};
