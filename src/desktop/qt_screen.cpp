// SPDX-License-Identifier: MIT
#include "qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

int QtScreen::heightPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().height() : 0;
}

qreal QtScreen::pixelRatio() const {
    if (window_)
        return window_->devicePixelRatioF();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1;
}
