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

    // Each read answers at once. A text longer than mostCharacters is TooLarge, as a reader that
    // stops there finds it.
    void readText(qsizetype mostCharacters, std::function<void(ClipboardText)> then) override;
    void readPicture(std::function<void(ClipboardPicture)> then) override;
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
    // Pauses a test ends itself, when holding: the program goes on meanwhile, as it does while a
    // real pause lasts.
    bool holding = false;
    QList<std::function<void()>> held;

    // Ends at once, after whilePaused, unless held.
    void after(int milliseconds, std::function<void()> then) override {
        pauses.append(milliseconds);
        if (whilePaused)
            whilePaused();
        if (holding)
            held.append(std::move(then));
        else
            then();
    }
    // Ends the held pauses, in their order.
    void endHeld() {
        while (!held.isEmpty())
            held.takeFirst()();
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

    // The questions of several answers with the answers offered, and the index of the answer a
    // test gives each in turn: the escape answer, when it gives none.
    QStringList chooseQuestions;
    QList<QStringList> offered;
    QList<int> choices;

    // Once closed for good, as the program's boxes: nothing more is shown, every question no, and
    // every question of several its escape answer.
    bool closed = false;

    // Each box closes, and each question is answered, at once.
    void show(const QString& text, std::function<void()> then = {}) override {
        if (!closed)
            shown.append(text);
        if (then)
            then();
    }
    void warn(const QString& text, std::function<void()> then = {}) override {
        if (!closed) {
            shown.append(text);
            warned.append(text);
        }
        if (then)
            then();
    }
    void ask(const QString& question, std::function<void(bool)> then) override {
        if (closed) {
            then(false);
            return;
        }
        asked.append(question);
        then(!answers.isEmpty() && answers.takeFirst());
    }
    void choose(const QString& text, const QList<Choice>& answers, int escapeChoice,
                std::function<void(int)> then) override;
    void closeForGood() override { closed = true; }
};

// Settings held in memory, as the program would keep them in its file; none remembered at first.
class FakeSettings final : public Settings {
public:
    QString folder;
    QStringList recent;
    std::optional<UnkeptSession> unkept;
    // A settings file the program cannot write: records are told to it in vain.
    bool refusesRecords = false;

    QString lastSetupFolder() const override { return folder; }
    void setLastSetupFolder(const QString& value) override { folder = value; }
    QStringList recentSetups() const override { return recent; }
    void setRecentSetups(const QStringList& paths) override { recent = paths; }
    std::optional<UnkeptSession> unkeptSession() const override { return unkept; }
    bool setUnkeptSession(const UnkeptSession& session) override;
    void forgetUnkeptSession() override { unkept.reset(); }
};

// The user's folders as a test names them; empty, the user has none.
class FakeLocations final : public Locations {
public:
    QString data;
    QString runtime;

    QString dataFolder() const override { return data; }
    QString runtimeFolder() const override { return runtime; }
};

// A file dialog as a test answers it: the paths the test gives, in turn, and a cancelled dialog
// once it gives none. Each dialog asked for is recorded.
class FakeFileDialogs final : public FileDialogs {
public:
    struct Asked {
        bool saving = false;
        QString title;
        QString start;
        QString filter;
    };
    QList<Asked> asked;
    QStringList answers;

    // Each dialog answers at once, with the next of the answers, or none.
    void saveFileName(const QString& title, const QString& start, const QString& filter,
                      std::function<void(QString)> then) override;
    void openFileName(const QString& title, const QString& folder, const QString& filter,
                      std::function<void(QString)> then) override;

private:
    QString answer(const Asked& dialog);
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
    FakeSettings settings;
    FakeLocations locations;
    FakeFileDialogs fileDialogs;

    Services services() { return {clock, clipboard, files, files, timer, screen}; }
    ShellServices shell() { return {clock, settings, locations, fileDialogs, messages}; }
    // The files from now on in memory, the program's folder there and empty: nothing reaches the
    // real disk.
    void writeToMemory() {
        files.memory = &disk;
        disk.addFolder(files.folder);
    }
};
