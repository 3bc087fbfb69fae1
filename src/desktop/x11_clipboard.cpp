// SPDX-License-Identifier: MIT
#include "x11_clipboard.h"

#include "clipboard_reading.h"
#include "x11_selection_reader.h"

#include <QImageReader>
#include <QThread>
#include <memory>

namespace {

// Reads on a thread of its own. Meanwhile this thread goes on with its events: paint events, timers
// and the clipboard's requests (this program may be the owner the reading thread asks). The reading
// thread always ends: each of the owner's answers has its time limit, and the whole read one too;
// its answer comes back on this thread's event loop.
void readAwayFromWindow(const QList<QByteArray>& preferred, qint64 maxBytes, ClipboardWaits waits,
                        std::function<void(const SelectionAnswer&)> then) {
    auto answer = std::make_shared<SelectionAnswer>();
    QThread* reader =
        QThread::create([=] { *answer = readX11Clipboard(preferred, maxBytes, waits); });
    // The thread object lives on this thread: its finished arrives here, queued.
    QObject::connect(reader, &QThread::finished, reader, [reader, answer, then = std::move(then)] {
        reader->deleteLater();
        then(*answer);
    });
    reader->start();
}

// As many bytes as Qt allocates to read a picture: an encoded picture larger than that is larger
// still when read.
qint64 pictureLimitBytes() {
    const qint64 limitMiB = QImageReader::allocationLimit();
    return (limitMiB > 0 ? limitMiB : 1024) << 20;
}

} // namespace

void readX11ClipboardPicture(ClipboardWaits waits,
                             std::function<void(std::optional<ClipboardPicture>)> then) {
    static const QList<QByteArray> types = [] {
        QList<QByteArray> names;
        for (const QString& type : clipboardPictureTypes())
            names.append(type.toLatin1());
        return names;
    }();
    readAwayFromWindow(types, pictureLimitBytes(), waits,
                       [then = std::move(then)](const SelectionAnswer& answer) {
                           if (!answer.connected)
                               then(std::nullopt);
                           else if (answer.read != ClipboardRead::Found)
                               then(ClipboardPicture{answer.read, {}});
                           else
                               then(answer.bytes.isEmpty() ? ClipboardPicture{}
                                                           : decodeClipboardPicture(answer.bytes));
                       });
}

void readX11ClipboardText(qsizetype mostCharacters, ClipboardWaits waits,
                          std::function<void(std::optional<ClipboardText>)> then) {
    // UTF-8 before plain text of no stated encoding, as Qt's own clipboard asks, and Latin-1 text
    // (X11's STRING) from an owner that offers nothing else.
    static const QList<QByteArray> types{"text/plain;charset=utf-8", "UTF8_STRING", "text/plain",
                                         "STRING"};
    // A UTF-16 unit takes at most three bytes of UTF-8 (a pair four), and one byte of Latin-1: a
    // text with more bytes than three a unit has more units than the limit.
    readAwayFromWindow(types, mostCharacters * 3, waits,
                       [mostCharacters, then = std::move(then)](const SelectionAnswer& answer) {
                           if (!answer.connected)
                               then(std::nullopt);
                           else if (answer.read != ClipboardRead::Found)
                               then(ClipboardText{answer.read, {}});
                           else
                               then(boundedText(answer.type == "STRING"
                                                    ? QString::fromLatin1(answer.bytes)
                                                    : QString::fromUtf8(answer.bytes),
                                                mostCharacters));
                       });
}
