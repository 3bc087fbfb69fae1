#pragma once

#include <QImage>
#include <QString>

class Form;

// Writes picture as PNG when the name ends in ".png" (in any case), otherwise as JPEG at quality
// 75. An existing file is replaced only by a complete new one; on failure reason says why.
bool writePictureFile(const QImage& picture, const QString& fileName, QString* reason);
