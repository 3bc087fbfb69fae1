// SPDX-License-Identifier: MIT
#pragma once

#include "form/element.h"

#include <QIcon>
#include <QImage>

// The scales the pictures come in: drawn for screens of 1, 2 and 3 device pixels to the pixel.
inline constexpr int LargestAssetScale = 3;

// The scale of picture that a device pixel ratio wants: the smallest one at least as fine, so that
// a picture is never stretched up, and the finest one beyond that.
int assetScaleFor(qreal devicePixelRatio);

// A picture embedded in the program, decoded once, at 1, 2 or 3 device pixels to the pixel; its
// device pixel ratio says which, so it draws at the same size in window pixels at every scale. The
// copy shares the decoded pixels.
QImage assetImage(Asset asset, int scale = 1);
// The picture for a screen of devicePixelRatio device pixels to the pixel: the drawn one at 1, 2
// or 3; between them (1.5, or a phone's 1080 pixels across) the next finer one scaled down once
// with an averaging filter, round(size × ratio) device pixels large.
QImage assetImageAt(Asset asset, qreal devicePixelRatio);
// Whether a ratio has pictures drawn for it, so that they are copied pixel for pixel.
bool hasDrawnAssets(qreal devicePixelRatio);
QIcon programIcon();
