// SPDX-License-Identifier: MIT
#include "qt_timer.h"

QtTimer::QtTimer() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, this, &QtTimer::ticked);
}

void QtTimer::after(int milliseconds, std::function<void()> then) {
    QTimer::singleShot(milliseconds, this, std::move(then));
}
