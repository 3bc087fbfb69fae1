// SPDX-License-Identifier: MIT
#pragma once

#include "file_store.h"
#include "program_folder.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QString>

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

// Everything the commands need from outside the program. The desktop build implements it with Qt;
// tests use a fake with a settable clock, clipboard and folder.
class Platform {
public:
    virtual ~Platform() = default;

    virtual QDateTime now() const = 0;
    // The user's regional settings, for the date-and-time text of the capture caption.
    virtual QLocale locale() const = 0;

    // Plain text and the picture on the clipboard. A read waits for the clipboard's owner once at
    // the most, however many formats it might try.
    virtual ClipboardText clipboardText() const = 0;
    virtual ClipboardPicture clipboardPicture() const = 0;
    virtual void setClipboardImage(const QImage& image) = 0;

    // A pause of the command that runs, milliseconds long. The window goes on painting meanwhile;
    // what the user does during it waits for the command to end.
    virtual void pause(int milliseconds) = 0;
    virtual ProgramFolder programFolder() const = 0;
    // The user's pictures folder (~/Pictures, or as the desktop's user folders set it); empty when
    // the user has none that is safely inside the home folder.
    virtual QString picturesFolder() const { return userPicturesFolder(); }
    virtual int screenHeightPixels() const = 0;
    // Device pixels to the window pixel on the window's screen (2 on a high-density screen): a
    // capture takes the picture in device pixels, as a screenshot of the window would.
    virtual qreal devicePixelRatio() const = 0;
    // A modal message with a single OK button; returns when the user has closed it.
    virtual void showMessage(const QString& text, const QString& title) = 0;

    // The window's one timer: a tick arrives once, milliseconds after the start, unless stopped.
    virtual void startTimer(int milliseconds) = 0;
    virtual void stopTimer() = 0;

    virtual void quit() = 0;

    // Where pictures are written. Tests put a file system in its place that fails on purpose.
    virtual FileStore& fileStore() { return systemFileStore(); }
};
