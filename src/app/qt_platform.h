// SPDX-License-Identifier: MIT
#pragma once

#include "basic/platform.h"

#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWidget;

// The real world: the system clock and locale, the system clipboard, the screen, a modal message
// box and a Qt timer.
class QtPlatform : public Platform {
public:
    QtPlatform();

    QDateTime now() const override;
    QLocale locale() const override;
    ClipboardText clipboardText() const override;
    ClipboardPicture clipboardPicture() const override;
    void setClipboardImage(const QImage& image) override;
    void pause(int milliseconds) override;
    ProgramFolder programFolder() const override;
    int screenHeightPixels() const override;
    qreal devicePixelRatio() const override;
    void showMessage(const QString& text, const QString& title) override;
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void quit() override;

    // The window: it owns the message boxes, and its screen's pixels are the capture's. Then what
    // to do before a message opens (show the state the handler has reached so far) and when the
    // timer ticks.
    QWidget* window = nullptr;
    std::function<void()> beforeMessage;
    std::function<void()> onTimer;

private:
    QTimer timer_;
    // What the capture put on the clipboard, while the clipboard still holds it.
    QPointer<QMimeData> offered_;
};
