// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// Writes a baseline JPEG with all three components at full resolution: the program lays labels
// of the exact background colour over these pictures, and chroma subsampling would smear
// coloured edges into the flat areas around them.
bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error);

// Writes a single-image 256-colour ICO. Pixels with alpha below one half become transparent
// through the AND mask; the rest must use at most 256 distinct colours.
bool writeIndexedIco(const QImage& image, const QString& path, QString* error);
