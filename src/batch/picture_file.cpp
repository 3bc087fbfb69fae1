#include "picture_file.h"

#include "basic/twips.h"
#include "screen/form.h"
#include "screen/screen_painter.h"
#include "window/window_modes.h"

namespace {

constexpr int JpegQuality = 75;

} // namespace

// The window keeps the phone screen at its left edge in both widths, so the wide window's left
// columns are exactly what the narrow window shows.
QImage phoneScreenPicture(const Form& form) {
    return renderWindow(form).copy(0, 0, pixelEdge(NarrowWidth), pixelEdge(form.height()));
}

bool writePictureFile(const QImage& picture, const QString& fileName, WriteFailure* failure) {
    if (fileName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return saveImageAtomically(picture, fileName, "png", -1, failure);
    return saveImageAtomically(picture, fileName, "jpeg", JpegQuality, failure);
}
