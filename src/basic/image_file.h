#pragma once

#include <QImage>
#include <QString>

// Writes a picture in a format ("jpeg", "png"; quality -1 for the format's default) so that the
// file is replaced only by a complete new one: on any failure an earlier file stays as it was.
// Returns false with the reason when nothing was written.
bool saveImageAtomically(const QImage& image, const QString& fileName, const char* format,
                         int quality, QString* reason = nullptr);
