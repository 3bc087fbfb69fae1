// SPDX-License-Identifier: MIT
#pragma once

#include "basic/image_file.h"

#include <QImage>
#include <QString>

// Writes picture as PNG when the name ends in ".png" (in any case), otherwise as JPEG at quality
// 75. An existing file is replaced only by a complete new one; on failure failure says why.
bool writePictureFile(const QImage& picture, const QString& fileName, FileStore& files,
                      WriteFailure* failure);
