// SPDX-License-Identifier: MIT
#include "picture_file.h"

#include "basic/image_file.h"

bool writePictureFile(const QImage& picture, const QString& fileName, FileStore& files,
                      WriteFailure* failure) {
    if (fileName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return saveImageAtomically(picture, fileName, "png", -1, files, failure);
    return saveImageAtomically(picture, fileName, "jpeg", JpegQuality, files, failure);
}
