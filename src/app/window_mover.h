// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <optional>

class QMouseEvent;
class QWidget;

// Moves a borderless window by a drag on its background, through the window system's own move so
// that window managers snap and constrain it as they do for title bars; where the window system
// has none, the window follows the mouse itself. A press alone moves nothing: the move starts once
// the mouse has gone further than the platform's drag distance with the button held, so that a
// click, or a touchpad's tap, stays a click.
class WindowMover {
public:
    // A left press on the background of window.
    void press(QWidget& window, QMouseEvent* event);
    // Whether the press's drag takes this motion: it starts the move once it has gone far enough.
    bool move(QMouseEvent* event);
    void release();

private:
    QWidget* window_ = nullptr;
    // Where the left button went down, on the screen, while it may still become a move.
    std::optional<QPoint> pressedAt_;
    // Where the mouse holds the window, from its top left, while it follows the mouse itself.
    std::optional<QPoint> grabbedAt_;
};
