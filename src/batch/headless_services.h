// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

// The world of a run without a window: nothing reaches the system clipboard and nothing waits.

// A clipboard of the run's own: the capture's picture stays in it, and it holds no text (a
// script's "clipboard" lines give the paste buttons theirs).
class MemoryClipboard final : public Clipboard {
public:
    void readText(qsizetype, std::function<void(ClipboardText)> then) override { then({}); }
    void readPicture(std::function<void(ClipboardPicture)> then) override {
        then(answeredPicture(picture_));
    }
    bool setPicture(const QImage& picture) override {
        picture_ = picture;
        return true;
    }

private:
    QImage picture_;
};

// The script runs as fast as it can: a pause waits for nothing, since nothing else would run
// during it, and the runner delivers the timer's tick itself, after the line that started it.
class ImmediateTimer final : public Timer {
public:
    void start(int) override {}
    void stop() override {}
    void after(int, std::function<void()> then) override { then(); }
};

// A full-HD screen: tall enough for the lengthened window (1015 pixels), so that the resize rules,
// and with them the picture, do not depend on the machine the script runs on.
class HeadlessScreen final : public Screen {
public:
    static constexpr int Height = 1080;

    explicit HeadlessScreen(qreal pixelRatio) : pixelRatio_(pixelRatio) {}
    int heightPixels() const override { return Height; }
    qreal pixelRatio() const override { return pixelRatio_; }

private:
    qreal pixelRatio_;
};
