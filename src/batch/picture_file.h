#pragma once

#include "basic/image_file.h"

#include <QImage>
#include <QString>

class Form;

// The picture the capture takes at this moment: the phone screen, 524 pixels wide, as high as the
// window is now, drawn by the window's own painter.
QImage phoneScreenPicture(const Form& form);

// Writes picture as PNG when the name ends in ".png" (in any case), otherwise as JPEG at quality
// 75. An existing file is replaced only by a complete new one; on failure failure says why.
bool writePictureFile(const QImage& picture, const QString& fileName, WriteFailure* failure);
