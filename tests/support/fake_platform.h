// SPDX-License-Identifier: MIT
#pragma once

#include "basic/platform.h"

#include <QStringList>
#include <functional>

// A platform for tests: a settable clock, clipboard, folder and screen; messages, pauses and timer
// calls are recorded instead of shown or waited for.
class FakePlatform : public Platform {
public:
    QDateTime clock = QDateTime(QDate(2024, 10, 14), QTime(9, 32, 5));
    QLocale regional = QLocale(QLocale::Chinese, QLocale::China);
    QString clipboardTextValue;
    QImage clipboardImageValue;
    // A clipboard owner that never answers, and a picture or text too large to read.
    bool clipboardAnswers = true;
    bool clipboardTooLarge = false;
    QString folder = QStringLiteral("/opt/vokarelo");
    bool folderDecodable = true;
    // The user's pictures folder; none unless a test gives one.
    QString pictures;
    int screenHeight = 1080;
    qreal pixelRatio = 1;
    // Where pictures are written; the system's file system when none is set.
    FileStore* files = nullptr;

    struct Message {
        QString text;
        QString title;
    };
    QList<Message> messages;
    QList<int> pauses;
    QList<int> timerStarts;
    int timerStops = 0;
    bool quitCalled = false;

    QDateTime now() const override { return clock; }
    QLocale locale() const override { return regional; }
    ClipboardText clipboardText() const override;
    ClipboardPicture clipboardPicture() const override;
    void setClipboardImage(const QImage& image) override;
    // Called at every pause, where the program waits: a test looks at the window at that moment.
    std::function<void()> whilePaused;
    void pause(int milliseconds) override {
        pauses.append(milliseconds);
        if (whilePaused)
            whilePaused();
    }
    ProgramFolder programFolder() const override { return {folder, folderDecodable}; }
    QString picturesFolder() const override { return pictures; }
    int screenHeightPixels() const override { return screenHeight; }
    qreal devicePixelRatio() const override { return pixelRatio; }
    void showMessage(const QString& text, const QString& title) override {
        messages.append({text, title});
    }
    void startTimer(int milliseconds) override { timerStarts.append(milliseconds); }
    void stopTimer() override { ++timerStops; }
    void quit() override { quitCalled = true; }
    FileStore& fileStore() override { return files ? *files : systemFileStore(); }
};
