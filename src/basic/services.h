// SPDX-License-Identifier: MIT
#pragma once

#include "export_locations.h"
#include "file_store.h"
#include "task.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The world outside the program, one small interface a service: the commands reach it only through
// these, so that a test's fake stands in for one service at a time.

// What a read of the clipboard found. A clipboard whose owner does not answer is told apart from an
// empty one, and a picture too large to read from no picture, so that a command can say why it
// found nothing.
enum class ClipboardRead {
    Found,
    Empty,    // nothing of the kind asked for
    TooLarge, // a picture beyond what the program allocates to read one, or a text as long
    NoAnswer, // the program that holds the clipboard did not answer in time
};

struct ClipboardText {
    ClipboardRead read = ClipboardRead::Empty;
    QString text;
};

struct ClipboardPicture {
    ClipboardRead read = ClipboardRead::Empty;
    QImage picture;
};

// What a clipboard that answered holds.
inline ClipboardText answeredText(const QString& text) {
    return {text.isEmpty() ? ClipboardRead::Empty : ClipboardRead::Found, text};
}
inline ClipboardPicture answeredPicture(const QImage& picture) {
    return {picture.isNull() ? ClipboardRead::Empty : ClipboardRead::Found, picture};
}

// The local date and time, and the user's regional settings for writing them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual QLocale locale() const = 0;
};

// The clipboard: plain text and a picture. A read waits for the clipboard's owner once at the most,
// however many formats it might try, and answers through then, once: at once when nobody need be
// waited for, else later, from the event loop, while the window goes on.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // A text of more than mostCharacters UTF-16 units is TooLarge: the reader need hold no more of
    // it than that, however much the owner offers.
    virtual void readText(qsizetype mostCharacters, std::function<void(ClipboardText)> then) = 0;
    virtual void readPicture(std::function<void(ClipboardPicture)> then) = 0;
    // The reads, awaited by a task.
    Answer<ClipboardText> text(qsizetype mostCharacters) {
        return Answer<ClipboardText>(
            [this, mostCharacters](auto then) { readText(mostCharacters, std::move(then)); });
    }
    Answer<ClipboardPicture> picture() {
        return Answer<ClipboardPicture>([this](auto then) { readPicture(std::move(then)); });
    }
    // Puts the picture on the clipboard for other programs to paste. False when it is not the
    // clipboard's now: the window system gave the clipboard to no one, or would not take it from a
    // window that has had no input yet, as a Wayland compositor may refuse it. The picture is then
    // nowhere but with the caller.
    virtual bool setPicture(const QImage& picture) = 0;
};

// The window's one timer, and the pauses of a command.
class Timer {
public:
    virtual ~Timer() = default;
    // A tick arrives once, milliseconds after the start, unless stopped; its receiver is whoever
    // drives the window.
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    // Calls then once, milliseconds from now, from the event loop: the window goes on meanwhile.
    // Where nothing else would run during the pause (the script mode, the tests' services) it is
    // called at once.
    virtual void after(int milliseconds, std::function<void()> then) = 0;
    // The pause, awaited by a task.
    Answer<Arrived> pause(int milliseconds) {
        return Answer<Arrived>([this, milliseconds](auto then) {
            after(milliseconds, [then = std::move(then)] { then(Arrived{}); });
        });
    }
};

// The screen the window is on.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int heightPixels() const = 0;
    // Device pixels to the window pixel on the window's screen (2 on a high-density screen): a
    // capture takes the picture in device pixels, as a screenshot of the window would.
    virtual qreal pixelRatio() const = 0;
};

// One of the answers to a question of several, and what it does, which decides where its button
// stands among the others.
struct Choice {
    enum class Role {
        Go,      // does what the question is about
        Destroy, // goes on and loses something
        Back,    // leaves everything as it was
    };
    QString text;
    Role role = Role::Go;
};

// Messages the user reads and closes, and questions the user answers: modal boxes.
class Messages {
public:
    virtual ~Messages() = default;
    // A message with a single OK button; then runs once the user has closed it. A box opens over
    // the window and returns at once; a box asked for while another is open opens when that one
    // has closed, in the order asked.
    virtual void show(const QString& text, std::function<void()> then = {}) = 0;
    // A message that something failed, which looks and sounds like one: a warning.
    virtual void warn(const QString& text, std::function<void()> then = {}) {
        show(text, std::move(then));
    }
    // A question answered yes or no, no unless the user says yes.
    virtual void ask(const QString& question, std::function<void(bool)> then) = 0;
    // A warning that asks what to do, one button a choice: the index of the choice the user took,
    // escapeChoice when the user closed the box, which is also its default.
    virtual void choose(const QString& text, const QList<Choice>& choices, int escapeChoice,
                        std::function<void(int)> then) = 0;
    // Calls then once no box is open or waiting to open: at once when none is.
    virtual void whenNoneOpen(std::function<void()> then) { then(); }
    // The program is ending: a box open now closes with its escape answer, none opens any more,
    // and every question from now on is answered no.
    virtual void closeForGood() = 0;

    // The question and the choice, awaited by a task.
    Answer<bool> question(const QString& question) {
        return Answer<bool>([this, question](auto then) { ask(question, std::move(then)); });
    }
    Answer<int> choice(const QString& text, const QList<Choice>& choices, int escapeChoice) {
        return Answer<int>([this, text, choices, escapeChoice](auto then) {
            choose(text, choices, escapeChoice, std::move(then));
        });
    }
};

// The session of a program that ended without keeping it: when it ended, as the user's clock wrote
// it, and why it was not kept.
struct UnkeptSession {
    QString endedAt;
    QString reason;
};

// What the program remembers from one run to the next: the folder of the set-up last opened or
// saved, the recent set-ups, newest first, and why the last session was not kept. A program that
// cannot remember reads nothing and forgets what it is told.
class Settings {
public:
    virtual ~Settings() = default;
    // Empty when none is remembered.
    virtual QString lastSetupFolder() const = 0;
    virtual void setLastSetupFolder(const QString& folder) = 0;
    virtual QStringList recentSetups() const = 0;
    virtual void setRecentSetups(const QStringList& paths) = 0;
    // None when the last session was kept, or what is remembered of it makes no record.
    virtual std::optional<UnkeptSession> unkeptSession() const = 0;
    // Whether the record is remembered for the next start.
    virtual bool setUnkeptSession(const UnkeptSession& session) = 0;
    virtual void forgetUnkeptSession() = 0;
};

// Where the program keeps files of the user's.
class Locations {
public:
    virtual ~Locations() = default;
    // The program's folder in the user's data folder, which lasts from one session to the next;
    // empty when the user has none.
    virtual QString dataFolder() const = 0;
    // The session's runtime folder, the user's alone and cleared when the session ends; empty when
    // the session has none.
    virtual QString runtimeFolder() const = 0;
};

// The dialogs in which the user names a file to save to or to open, over the window. Each returns
// the file chosen, or nothing when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // start is the file the dialog suggests, in the folder it opens in. The dialog opens over the
    // window and returns at once; then has the file chosen, empty when the user chose none.
    virtual void saveFileName(const QString& title, const QString& start, const QString& filter,
                              std::function<void(QString)> then) = 0;
    virtual void openFileName(const QString& title, const QString& folder, const QString& filter,
                              std::function<void(QString)> then) = 0;

    // The same, awaited by a task.
    Answer<QString> fileToSave(const QString& title, const QString& start, const QString& filter) {
        return Answer<QString>([this, title, start, filter](auto then) {
            saveFileName(title, start, filter, std::move(then));
        });
    }
    Answer<QString> fileToOpen(const QString& title, const QString& folder, const QString& filter) {
        return Answer<QString>([this, title, folder, filter](auto then) {
            openFileName(title, folder, filter, std::move(then));
        });
    }
};

// What the commands use of the world. Messages are not among them: a command's outcome goes to the
// form's observer, which tells the user.
struct Services {
    Clock& clock;
    Clipboard& clipboard;
    FileStore& files;
    ExportLocations& locations;
    Timer& timer;
    Screen& screen;
};

// What the window's shell uses of the world besides: what it remembers, where it keeps files, the
// dialogs and boxes it opens, and the clock that dates what it saves.
struct ShellServices {
    Clock& clock;
    Settings& settings;
    Locations& locations;
    FileDialogs& fileDialogs;
    Messages& messages;
};
