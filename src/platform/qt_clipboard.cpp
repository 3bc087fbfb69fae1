// SPDX-License-Identifier: MIT
#include "qt_clipboard.h"

#include "clipboard_reading.h"
#include "x11_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// On X11, Qt's clipboard waits on the user-interface thread for the answers of the clipboard's
// owner, and the window stops painting meanwhile: there the clipboard is read away from it.
bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

ClipboardText QtClipboard::text(qsizetype mostCharacters) const {
    if (onX11())
        if (const std::optional<ClipboardText> read =
                readX11ClipboardText(mostCharacters, ownerAnswerLimitMs_))
            return *read;
    return readClipboardText(QGuiApplication::clipboard()->mimeData(), mostCharacters);
}

ClipboardPicture QtClipboard::picture() const {
    const QMimeData* data = offered_ ? QGuiApplication::clipboard()->mimeData() : nullptr;
    // The capture's own picture is read in this program, with no other program to wait for.
    if (data && data == offered_)
        return answeredPicture(qvariant_cast<QImage>(data->imageData()));
    if (onX11())
        if (const std::optional<ClipboardPicture> read =
                readX11ClipboardPicture(ownerAnswerLimitMs_))
            return *read;
    return readClipboardPicture(QGuiApplication::clipboard()->mimeData());
}

void QtClipboard::setPicture(const QImage& picture) {
    // Qt offers image data to other programs in every image format they ask for, image/png
    // included, encoding it only when one is asked for.
    auto* data = new QMimeData;
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
    offered_ = data;
}
