// SPDX-License-Identifier: MIT
#include "clipboard_reading.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMimeData>
#include <QStringList>
#include <optional>

namespace {

// Qt's X11 clipboard waits up to 5 s for each answer of the clipboard's owner and then returns
// nothing, just as for an empty clipboard. An empty answer that took this long was no answer; an
// owner that answers does so within milliseconds.
constexpr qint64 UnansweredAfterMs = 2000;

// One request to the clipboard's owner: its answer, or nothing when Qt gave up waiting for it.
template <typename Answer, typename Request> std::optional<Answer> ask(Request request) {
    QElapsedTimer waited;
    waited.start();
    Answer answer = request();
    if (answer.isEmpty() && waited.elapsed() >= UnansweredAfterMs)
        return std::nullopt;
    return answer;
}

// The first of the formats in order of preference that the owner offers.
QString firstOffered(const QStringList& offered, const QStringList& preferred) {
    for (const QString& format : preferred)
        if (offered.contains(format))
            return format;
    return {};
}

// The bytes of the first offered format of a kind; empty when none is offered, nothing when the
// owner did not answer. QMimeData's own image() and hasText() ask the owner again for every format
// they try, each a wait of its own.
std::optional<QByteArray> fetch(const QMimeData* offered, const QStringList& preferred) {
    if (!offered)
        return QByteArray();
    const std::optional<QStringList> formats =
        ask<QStringList>([offered] { return offered->formats(); });
    if (!formats)
        return std::nullopt;
    const QString format = firstOffered(*formats, preferred);
    if (format.isEmpty())
        return QByteArray();
    return ask<QByteArray>([&] { return offered->data(format); });
}

} // namespace

QStringList clipboardPictureTypes() {
    QStringList types{QStringLiteral("image/png")};
    for (const QByteArray& type : QImageReader::supportedMimeTypes())
        types.append(QString::fromLatin1(type));
    return types;
}

ClipboardPicture readClipboardPicture(const QMimeData* offered) {
    static const QStringList formats = clipboardPictureTypes();
    const std::optional<QByteArray> bytes = fetch(offered, formats);
    if (!bytes)
        return {ClipboardRead::NoAnswer, {}};
    return bytes->isEmpty() ? ClipboardPicture{} : decodeClipboardPicture(*bytes);
}

ClipboardText readClipboardText(const QMimeData* offered, qsizetype mostCharacters) {
    const std::optional<QByteArray> bytes =
        fetch(offered, {QStringLiteral("text/plain;charset=utf-8"), QStringLiteral("text/plain")});
    if (!bytes)
        return {ClipboardRead::NoAnswer, {}};
    // More bytes than three a unit are more units than the limit, and need not be decoded.
    if (bytes->size() > mostCharacters * 3)
        return {ClipboardRead::TooLarge, {}};
    return boundedText(QString::fromUtf8(*bytes), mostCharacters);
}

ClipboardText boundedText(const QString& text, qsizetype mostCharacters) {
    if (text.size() > mostCharacters)
        return {ClipboardRead::TooLarge, {}};
    return answeredText(text);
}

ClipboardPicture decodeClipboardPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    QImage picture;
    if (reader.read(&picture))
        return answeredPicture(picture);
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 bytesAtFourAPixel = qint64(size.width()) * size.height() * 4;
    if (size.isValid() && limitBytes > 0 && bytesAtFourAPixel > limitBytes)
        return {ClipboardRead::TooLarge, {}};
    return {};
}
