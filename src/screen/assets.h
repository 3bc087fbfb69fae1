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
QIcon programIcon();
