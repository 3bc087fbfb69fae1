// SPDX-License-Identifier: MIT
#include "capture.h"

#include "export.h"
#include "form/form.h"
#include "screen/screen_painter.h"
#include "window_modes.h"

namespace {

const QString CaptureCaption = QStringLiteral("已截屏！去聊天窗口粘贴试试.. - ");
const QString OffClipboardCaption = QStringLiteral("截屏未能放到剪贴板（请先点一下窗口再截屏） - ");

// One piece of a date-time format: a quoted literal, a run of one pattern letter, or any other
// character.
QStringList formatTokens(const QString& format) {
    QStringList tokens;
    for (qsizetype i = 0; i < format.size();) {
        qsizetype end = i + 1;
        if (format[i] == u'\'') {
            while (end < format.size() && format[end] != u'\'')
                ++end;
            end = qMin(end + 1, format.size());
        } else if (format[i].isLetter()) {
            while (end < format.size() && format[end] == format[i])
                ++end;
        }
        tokens.append(format.mid(i, end - i));
        i = end;
    }
    return tokens;
}

// The locale's long time format, which always carries the seconds, without its time-zone part (the
// caption says when the capture was made, not where) and with the hour unpadded, as every time of
// day this program writes: 9:32:05, not 09:32:05.
QString timeWithSecondsFormat(const QLocale& locale) {
    QStringList kept;
    for (const QString& token : formatTokens(locale.timeFormat(QLocale::LongFormat))) {
        if (token.startsWith(u't'))
            continue;
        // Brackets that held only the time zone go with it.
        if (!kept.isEmpty() &&
            ((kept.last() == u"(" && token == u")") || (kept.last() == u"[" && token == u"]"))) {
            kept.removeLast();
            continue;
        }
        kept.append(token == u"HH" || token == u"hh" ? token.left(1) : token);
    }
    return kept.join(QString()).trimmed();
}

} // namespace

QString captureTimeText(const QDateTime& moment, const QLocale& locale) {
    QString text = locale.toString(moment.date(), locale.dateFormat(QLocale::ShortFormat));
    const QTime time = moment.time();
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += u' ' + locale.toString(time, timeWithSecondsFormat(locale));
    return text;
}

// The window keeps the phone screen at its left edge in both widths, so the wide window's left
// columns are exactly what the narrow window shows.
QImage capturedPicture(const Form& form, qreal pixelRatio) {
    return renderWindowLeft(form, NarrowWidth, pixelRatio);
}

void captureWindow(Form& form, CaptureExport exportAfter) {
    const QImage picture = capturedPicture(form, form.screen().pixelRatio());
    const bool onClipboard = form.clipboard().setPicture(picture);
    form.keepCaptureOffClipboard(onClipboard ? QImage() : picture);
    form.observer().copied();
    form.setCaption((onClipboard ? CaptureCaption : OffClipboardCaption) +
                    captureTimeText(form.clock().now(), form.clock().locale()));
    form.setVisible(ControlId::SavePictureLabel, true);
    if (exportAfter == CaptureExport::WhenTicked && form.value(ControlId::AutoSaveBox) == 1)
        form.startTimer();
}

void exportAfterCapture(Form& form) {
    form.stopTimer();
    exportClipboardPicture(form);
}
