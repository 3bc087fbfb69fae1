// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"
#include "support/failing_file_store.h"
#include "support/memory_file_store.h"

#include <QStringList>
#include <functional>

// A fake for each service, each settable on its own: what the commands read is what a test set,
// and what they do (messages, pauses, the timer) is recorded instead of shown or waited for.

class FakeClock final : public Clock {
public:
    QDateTime moment = QDateTime(QDate(2024, 10, 14), QTime(9, 32, 5));
    QLocale regional = QLocale(QLocale::Chinese, QLocale::China);

    QDateTime now() const override { return moment; }
    QLocale locale() const override { return regional; }
};

class FakeClipboard final : public Clipboard {
public:
    QString textValue;
    QImage pictureValue;
    // An owner that never answers, and a picture or text too large to read.
    bool answers = true;
    bool tooLarge = false;
    // A window system that will not take the program's picture, as a Wayland compositor refuses it
    // to a window without input: the clipboard keeps what it held.
    bool refusesPictures = false;
    // Runs at every read, when the program would wait for the clipboard's owner.
    std::function<void()> whileReading;

    // A text longer than mostCharacters is TooLarge, as a reader that stops there finds it.
    ClipboardText text(qsizetype mostCharacters) const override;
    ClipboardPicture picture() const override;
    // A picture replaces any text, as on the real clipboard, and this program holds it now, unless
    // the clipboard refuses it.
    bool setPicture(const QImage& picture) override;

private:
    // How a read goes: Found when the owner answers with what it holds.
    ClipboardRead read() const;
};

class FakeTimer final : public Timer {
public:
    QList<int> starts;
    int stops = 0;
    QList<int> pauses;
    // Called at every pause, where the program waits: a test looks at the window at that moment.
    std::function<void()> whilePaused;

    void start(int milliseconds) override { starts.append(milliseconds); }
    void stop() override { ++stops; }
    void pause(int milliseconds) override {
        pauses.append(milliseconds);
        if (whilePaused)
            whilePaused();
    }
};

class FakeScreen final : public Screen {
public:
    int height = 1080;
    qreal ratio = 1;

    int heightPixels() const override { return height; }
    qreal pixelRatio() const override { return ratio; }
};

class FakeMessages final : public Messages {
public:
    QStringList shown;
    // Those of the shown that were warnings.
    QStringList warned;
    // The questions asked, and the answers a test gives them in turn: no, when it gives none.
    QStringList asked;
    QList<bool> answers;

    // Once closed for good, as the program's boxes: nothing more is shown, every question no.
    bool closed = false;

    void show(const QString& text) override {
        if (!closed)
            shown.append(text);
    }
    void warn(const QString& text) override {
        if (closed)
            return;
        shown.append(text);
        warned.append(text);
    }
    bool ask(const QString& question) override {
        if (closed)
            return false;
        asked.append(question);
        return !answers.isEmpty() && answers.takeFirst();
    }
    void closeForGood() override { closed = true; }
};

// The fakes together, the files the system's with the faults and folders a test puts in, or those
// of a disk in memory once a test asks for it.
struct FakeServices {
    FakeClock clock;
    FakeClipboard clipboard;
    MemoryFileStore disk;
    FailingFileStore files;
    FakeTimer timer;
    FakeScreen screen;
    FakeMessages messages;

    Services services() { return {clock, clipboard, files, files, timer, screen}; }
    // The files from now on in memory, the program's folder there and empty: nothing reaches the
    // real disk.
    void writeToMemory() {
        files.memory = &disk;
        disk.addFolder(files.folder);
    }
};
