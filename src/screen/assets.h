#pragma once

#include "screen_element.h"

#include <QIcon>
#include <QImage>

// The pictures embedded in the program, decoded once.
const QImage& assetImage(Asset asset);
QIcon programIcon();
