#pragma once

#include "file_store.h"
#include "program_folder.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QString>

// Everything the commands need from outside the program. The desktop build implements it with Qt;
// tests use a fake with a settable clock, clipboard and folder.
class Platform {
public:
    virtual ~Platform() = default;

    virtual QDateTime now() const = 0;
    // The user's regional settings, for the date-and-time text of the capture caption.
    virtual QLocale locale() const = 0;

    // Plain text on the clipboard; the empty text when it holds none.
    virtual QString clipboardText() const = 0;
    // The picture on the clipboard; a null image when it holds none.
    virtual QImage clipboardImage() const = 0;
    virtual void setClipboardImage(const QImage& image) = 0;

    virtual void sleep(int milliseconds) = 0;
    virtual ProgramFolder programFolder() const = 0;
    virtual int screenHeightPixels() const = 0;
    // A modal message with a single OK button; returns when the user has closed it.
    virtual void showMessage(const QString& text, const QString& title) = 0;

    // The window's one timer: a tick arrives once, milliseconds after the start, unless stopped.
    virtual void startTimer(int milliseconds) = 0;
    virtual void stopTimer() = 0;

    virtual void quit() = 0;

    // Where pictures are written. Tests put a file system in its place that fails on purpose.
    virtual FileStore& fileStore() { return systemFileStore(); }
};
