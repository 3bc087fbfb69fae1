// SPDX-License-Identifier: MIT
#include "picture_drag.h"

#include "basic/image_file.h"
#include "basic/services.h"
#include "form/form.h"
#include "texts/file_failures.h"
#include "window/capture.h"

#include <QBuffer>
#include <QDir>
#include <QDrag>
#include <QMimeData>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

namespace {

constexpr int ThumbnailWidth = 160;

QByteArray pngBytes(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return buffer.data();
}

} // namespace

QString PictureDrag::folder(const Locations& locations) {
    const QString runtime = locations.runtimeFolder();
    return runtime.isEmpty() ? QString() : QDir(runtime).filePath(QStringLiteral("vokarelo"));
}

QMimeData* PictureDrag::pictureData(const QImage& picture, const QString& number, FileStore& files,
                                    const Locations& locations) {
    const QByteArray png = pngBytes(picture);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    const QString name = !number.isEmpty() && fileNameRefusal(number).isEmpty()
                             ? number + QStringLiteral(".png")
                             : QStringLiteral("Vokarelo.png");
    // The folder is checked as it is opened and written through what was opened: a link put in
    // its place sends the file nowhere else.
    const QString path = folder(locations);
    FileError error;
    if (const std::unique_ptr<OpenFolder> opened =
            path.isEmpty() ? nullptr : files.openPrivateFolder(path, &error);
        opened && saveFileAtomically(png, *opened, name))
        data->setUrls({QUrl::fromLocalFile(QDir(path).filePath(name))});
    return data;
}

void PictureDrag::start(QWidget& source, const Form& form, const Locations& locations) {
    const qreal ratio = source.devicePixelRatioF();
    const QImage picture = capturedPicture(form, ratio);
    auto* drag = new QDrag(&source);
    drag->setMimeData(
        pictureData(picture, form.text(ControlId::NumberField), form.files(), locations));
    QPixmap thumbnail = QPixmap::fromImage(
        picture.scaledToWidth(qRound(ThumbnailWidth * ratio), Qt::SmoothTransformation));
    thumbnail.setDevicePixelRatio(ratio);
    drag->setPixmap(thumbnail);
    drag->setHotSpot(QPoint(ThumbnailWidth / 2, qRound(thumbnail.height() / ratio / 2)));
    // The drop is over only once the target has taken what it asked for, which on X11 it asks
    // after exec has returned: Qt answers from the drag while it lives and deletes it when the
    // target says it is done, or when a drag that was dropped nowhere ends. Deleted here, the drag
    // left the target nothing.
    // The one wait of the program's in a loop of Qt's: a drag has no other form in Qt. It runs
    // inside the event that started it, so that whatever else the user does waits for the drop.
    drag->exec(Qt::CopyAction);
}
