// SPDX-License-Identifier: MIT
#include "x11_clipboard.h"

#include "clipboard_reading.h"
#include "x11_selection_reader.h"

#include <QEventLoop>
#include <QImageReader>
#include <QThread>
#include <memory>

namespace {

// Reads on a thread of its own. Meanwhile this thread runs an event loop of its own, as the
// export's pause does: paint events, timers and the clipboard's requests go on (this program may
// be the owner the reading thread asks); what they bring for the window is the window's to queue
// until the command that reads has ended. The reading thread always ends: each of the owner's
// answers has its time limit, and the whole read one too.
SelectionAnswer readAwayFromWindow(const QList<QByteArray>& preferred, qint64 maxBytes,
                                   ClipboardWaits waits) {
    SelectionAnswer answer;
    const std::unique_ptr<QThread> reader(
        QThread::create([&] { answer = readX11Clipboard(preferred, maxBytes, waits); }));
    QEventLoop loop;
    QObject::connect(reader.get(), &QThread::finished, &loop, &QEventLoop::quit);
    reader->start();
    loop.exec();
    reader->wait();
    return answer;
}

// As many bytes as Qt allocates to read a picture: an encoded picture larger than that is larger
// still when read.
qint64 pictureLimitBytes() {
    const qint64 limitMiB = QImageReader::allocationLimit();
    return (limitMiB > 0 ? limitMiB : 1024) << 20;
}

} // namespace

std::optional<ClipboardPicture> readX11ClipboardPicture(ClipboardWaits waits) {
    static const QList<QByteArray> types = [] {
        QList<QByteArray> names;
        for (const QString& type : clipboardPictureTypes())
            names.append(type.toLatin1());
        return names;
    }();
    const SelectionAnswer answer = readAwayFromWindow(types, pictureLimitBytes(), waits);
    if (!answer.connected)
        return std::nullopt;
    if (answer.read != ClipboardRead::Found)
        return ClipboardPicture{answer.read, {}};
    return answer.bytes.isEmpty() ? ClipboardPicture{} : decodeClipboardPicture(answer.bytes);
}

std::optional<ClipboardText> readX11ClipboardText(qsizetype mostCharacters, ClipboardWaits waits) {
    // UTF-8 before plain text of no stated encoding, as Qt's own clipboard asks, and Latin-1 text
    // (X11's STRING) from an owner that offers nothing else.
    static const QList<QByteArray> types{"text/plain;charset=utf-8", "UTF8_STRING", "text/plain",
                                         "STRING"};
    // A UTF-16 unit takes at most three bytes of UTF-8 (a pair four), and one byte of Latin-1: a
    // text with more bytes than three a unit has more units than the limit.
    const SelectionAnswer answer = readAwayFromWindow(types, mostCharacters * 3, waits);
    if (!answer.connected)
        return std::nullopt;
    if (answer.read != ClipboardRead::Found)
        return ClipboardText{answer.read, {}};
    return boundedText(answer.type == "STRING" ? QString::fromLatin1(answer.bytes)
                                               : QString::fromUtf8(answer.bytes),
                       mostCharacters);
}
