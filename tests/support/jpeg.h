// SPDX-License-Identifier: MIT
#pragma once

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

// The bytes Qt's JPEG writer makes of a picture at quality 75: a file written at that quality
// from the same picture is byte for byte the same.
inline QByteArray jpegAt75(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(75);
    writer.write(image);
    return buffer.data();
}
