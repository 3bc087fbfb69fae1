#include "picture_file.h"

#include "basic/twips.h"
#include "screen/form.h"
#include "screen/screen_painter.h"
#include "window/window_modes.h"

#include <QImageWriter>
#include <QSaveFile>

namespace {

constexpr int JpegQuality = 75;

} // namespace

// The window keeps the phone screen at its left edge in both widths, so the wide window's left
// columns are exactly what the narrow window shows.
QImage phoneScreenPicture(const Form& form) {
    return renderWindow(form).copy(0, 0, pixelEdge(NarrowWidth), pixelEdge(form.height()));
}

bool writePictureFile(const QImage& picture, const QString& fileName, QString* reason) {
    const bool png = fileName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    QSaveFile file(fileName);
    QString failure;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = file.errorString();
    } else {
        QImageWriter writer(&file, png ? "png" : "jpeg");
        if (!png)
            writer.setQuality(JpegQuality);
        if (!writer.write(picture)) {
            failure = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            failure = file.errorString();
        }
    }
    if (reason)
        *reason = failure;
    return failure.isEmpty();
}
