// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

class QWindow;

// Hands the window to the window system's own move, as a drag of a title bar would, while the left
// button is held: the move goes on from where the button went down (pressedAt, on the screen, in
// window pixels), however far the mouse has gone since, so that a drag started past a threshold
// loses nothing of its way. Where the window system cannot move a window, nothing happens and the
// answer is false.
bool startWindowMove(QWindow& window, QPoint pressedAt);
