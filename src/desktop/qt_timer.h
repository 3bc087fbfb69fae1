// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QObject>
#include <QTimer>

// The window's one timer as a Qt timer, whose tick is the signal ticked, and the pause as an event
// loop of its own that only its time ends.
class QtTimer final : public QObject, public Timer {
    Q_OBJECT

public:
    QtTimer();

    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }
    // Paint events, the clipboard's requests from other programs and timers go on meanwhile; what
    // they bring for the window is the window's to queue until the command that pauses has ended.
    void pause(int milliseconds) override;

signals:
    void ticked();

private:
    QTimer timer_;
};
