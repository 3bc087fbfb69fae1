// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QObject>
#include <QTimer>

// The window's one timer as a Qt timer, whose tick is the signal ticked, and a command's pause as a
// single shot of the event loop's.
class QtTimer final : public QObject, public Timer {
    Q_OBJECT

public:
    QtTimer();

    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }
    // Paint events, the clipboard's requests from other programs and timers go on meanwhile; a
    // pause that has not ended when this timer goes ends with it, unanswered.
    void after(int milliseconds, std::function<void()> then) override;

signals:
    void ticked();

private:
    QTimer timer_;
};
