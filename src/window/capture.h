// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QString>

class Form;

enum class CaptureExport {
    WhenTicked, // start the timer when "自动保存JPG" is ticked
    Never,
};

// Puts the image of the (just narrowed) window on the clipboard and confirms it in the caption; a
// picture the clipboard refuses is kept for the export, and the caption says it is not there.
void captureWindow(Form& form, CaptureExport exportAfter);

// The picture a capture takes at this moment: the phone screen, 524 window pixels wide and as high
// as the window is now, drawn by the window's own painter at pixelRatio device pixels to the pixel.
QImage capturedPicture(const Form& form, qreal pixelRatio);

// The timer's single tick after a capture: stop it and save the captured picture.
void exportAfterCapture(Form& form);

// The date and time as the capture caption shows them in the user's regional settings: the short
// date, a blank and the time with seconds; a time of exactly 0:00:00 is left out.
QString captureTimeText(const QDateTime& moment, const QLocale& locale);
