// SPDX-License-Identifier: MIT
#include "qt_timer.h"

#include <QEventLoop>

QtTimer::QtTimer() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, this, &QtTimer::ticked);
}

void QtTimer::pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
