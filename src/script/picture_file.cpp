// SPDX-License-Identifier: MIT
#include "picture_file.h"

#include "basic/image_file.h"

bool writePictureFile(const QImage& picture, const QString& fileName, WriteFailure* failure) {
    if (fileName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return saveImageAtomically(picture, fileName, "png", -1, failure);
    return saveImageAtomically(picture, fileName, "jpeg", JpegQuality, failure);
}
