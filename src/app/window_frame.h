// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollArea>

// The borderless top-level window around the program's window: as large as the window when the
// screen has room for it, and never taller than the screen's available height. When the window is
// taller, the frame shows that much of it and scrolls vertically, with a scroll bar at the right
// and the focused control kept in view; positions inside the window do not change. It shows the
// window's caption and icon as its own.
class WindowFrame : public QScrollArea {
public:
    explicit WindowFrame(QWidget& window);
    ~WindowFrame() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitToWindow();
    void alignSizeSteps(QSize size);
};
