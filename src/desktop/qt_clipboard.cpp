// SPDX-License-Identifier: MIT
#include "qt_clipboard.h"

#include "clipboard_reading.h"
#include "x11_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QImageWriter>

namespace {

// Whether the program has had a key, button or touch from the user. A Wayland client asks for the
// clipboard with the serial of such an event, and Qt sends the last one it had: before any, the
// request carries none, and a compositor may ignore it without a word (Weston does whenever
// another program holds the clipboard) while Qt goes on reporting the clipboard as its own.
class InputWitness final : public QObject {
public:
    explicit InputWitness(QObject* application) : QObject(application) {
        application->installEventFilter(this);
    }
    bool seen() const { return seen_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            seen_ = true;
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool seen_ = false;
};

// One for the program, watching from the first clipboard made, which is made before the window.
const InputWitness* inputWitness() {
    static const InputWitness* witness = new InputWitness(QCoreApplication::instance());
    return witness;
}

// A PNG's quality is zlib's level to Qt, (100 - quality) * 9 / 91: 80 is level 1, the fastest that
// compresses. The pasting program waits while the picture is encoded on the user-interface thread,
// and Qt's default, level 6, takes half as long again for a file a few per cent smaller; level 0
// would hand over the picture's megabytes unpacked.
constexpr int PastedPngQuality = 80;

// A picture offered as PNG before Qt's own image format. A clipboard keeper that copies one format
// to keep the picture after this program ends takes the first offered, as Weston's own does: that
// must be one other programs read. The PNG is encoded when one is first asked for, and kept for
// the next paste.
class PictureData final : public QMimeData {
public:
    QStringList formats() const override {
        return QStringList{QStringLiteral("image/png")} + QMimeData::formats();
    }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        if (mimeType != u"image/png" || type != QMetaType::fromType<QByteArray>())
            return QMimeData::retrieveData(mimeType, type);
        if (png_.isEmpty()) {
            QBuffer buffer(&png_);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "png");
            writer.setQuality(PastedPngQuality);
            writer.write(qvariant_cast<QImage>(imageData()));
        }
        return png_;
    }

private:
    mutable QByteArray png_;
};

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// On X11, Qt's clipboard waits on the user-interface thread for the answers of the clipboard's
// owner, and the window stops painting meanwhile: there the clipboard is read away from it.
bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

QtClipboard::QtClipboard(ClipboardWaits waits) : waits_(waits) {
    inputWitness();
}

void QtClipboard::readText(qsizetype mostCharacters, std::function<void(ClipboardText)> then) {
    if (onX11()) {
        readX11ClipboardText(
            mostCharacters, waits_, [mostCharacters, then](std::optional<ClipboardText> read) {
                then(read ? *read
                          : readClipboardText(QGuiApplication::clipboard()->mimeData(),
                                              mostCharacters));
            });
        return;
    }
    then(readClipboardText(QGuiApplication::clipboard()->mimeData(), mostCharacters));
}

void QtClipboard::readPicture(std::function<void(ClipboardPicture)> then) {
    const QMimeData* data = offered_ ? QGuiApplication::clipboard()->mimeData() : nullptr;
    // The capture's own picture is read in this program, with no other program to wait for.
    if (data && data == offered_) {
        then(answeredPicture(qvariant_cast<QImage>(data->imageData())));
        return;
    }
    if (onX11()) {
        readX11ClipboardPicture(waits_, [then](std::optional<ClipboardPicture> read) {
            then(read ? *read : readClipboardPicture(QGuiApplication::clipboard()->mimeData()));
        });
        return;
    }
    then(readClipboardPicture(QGuiApplication::clipboard()->mimeData()));
}

bool QtClipboard::setPicture(const QImage& picture) {
    // Qt offers image data to other programs in every image format they ask for, encoding it only
    // when one is asked for.
    auto* data = new PictureData;
    data->setImageData(picture);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data);
    offered_ = data;
    // Where no window system keeps a clipboard (a compositor without a seat) the data is not read
    // back; on X11 the selection's owner is known at once.
    if (clipboard->mimeData() != data)
        return false;
    if (onWayland())
        return clipboard->ownsClipboard() && inputWitness()->seen();
    return onX11() ? clipboard->ownsClipboard() : true;
}
