// SPDX-License-Identifier: MIT
#pragma once

#include "export_locations.h"
#include "file_store.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QString>

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
// however many formats it might try.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // A text of more than mostCharacters UTF-16 units is TooLarge: the reader need hold no more of
    // it than that, however much the owner offers.
    virtual ClipboardText text(qsizetype mostCharacters) const = 0;
    virtual ClipboardPicture picture() const = 0;
    // Puts the picture on the clipboard for other programs to paste. False when it is not the
    // clipboard's now: the window system gave the clipboard to no one, or would not take it from a
    // window that has had no input yet, as a Wayland compositor may refuse it. The picture is then
    // nowhere but with the caller.
    virtual bool setPicture(const QImage& picture) = 0;
};

// The window's one timer, and the pause of a command.
class Timer {
public:
    virtual ~Timer() = default;
    // A tick arrives once, milliseconds after the start, unless stopped; its receiver is whoever
    // drives the window.
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    // A pause of the command that runs, milliseconds long. The window goes on painting meanwhile;
    // what the user does during it waits for the command to end.
    virtual void pause(int milliseconds) = 0;
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

// Messages the user reads and closes, and questions the user answers: modal boxes.
class Messages {
public:
    virtual ~Messages() = default;
    // A message with a single OK button; returns when the user has closed it.
    virtual void show(const QString& text) = 0;
    // A message that something failed, which looks and sounds like one: a warning.
    virtual void warn(const QString& text) { show(text); }
    // A question answered yes or no, no unless the user says yes.
    virtual bool ask(const QString& question) = 0;
    // The program is ending: a box open now closes with its escape answer, none opens any more,
    // and every question from now on is answered no.
    virtual void closeForGood() = 0;
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
