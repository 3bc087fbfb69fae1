// SPDX-License-Identifier: MIT
#pragma once

#include "basic/platform.h"
#include "script/line_runner.h"

#include <functional>
#include <optional>

// The world of a run without a window: nothing reaches the system clipboard, no message box opens
// and nothing waits. The clock can be fixed, so that a script makes the same picture every day.
class HeadlessPlatform : public Platform, public ScriptWorld {
public:
    // A full-HD screen: tall enough for the lengthened window (1015 pixels), so that the resize
    // rules, and with them the picture, do not depend on the machine the script runs on.
    static constexpr int ScreenHeight = 1080;

    explicit HeadlessPlatform(ProgramFolder programFolder, qreal pixelRatio = 1);

    // From now on the clock stands at moment; until then it is the system clock.
    void fixClock(const QDateTime& moment) override { fixedClock_ = moment; }
    // The text the paste buttons find; the system's clipboard is never read.
    void putClipboardText(const QString& text) override { clipboardText_ = text; }
    bool quitRequested() const override { return quitRequested_; }

    // Receives what the window would show in a message box.
    std::function<void(const QString& text)> messageShown;

    QDateTime now() const override;
    QLocale locale() const override;
    ClipboardText clipboardText() const override { return answeredText(clipboardText_); }
    ClipboardPicture clipboardPicture() const override { return answeredPicture(clipboardImage_); }
    void setClipboardImage(const QImage& image) override { clipboardImage_ = image; }
    // The script runs as fast as it can; nothing else would run during a pause.
    void pause(int) override {}
    ProgramFolder programFolder() const override { return programFolder_; }
    int screenHeightPixels() const override { return ScreenHeight; }
    qreal devicePixelRatio() const override { return pixelRatio_; }
    void showMessage(const QString& text, const QString& title) override;
    // The runner delivers the timer's tick itself, after the line that started it.
    void startTimer(int) override {}
    void stopTimer() override {}
    void quit() override { quitRequested_ = true; }

private:
    ProgramFolder programFolder_;
    qreal pixelRatio_;
    std::optional<QDateTime> fixedClock_;
    QString clipboardText_;
    QImage clipboardImage_;
    bool quitRequested_ = false;
};
