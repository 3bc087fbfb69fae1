// SPDX-License-Identifier: MIT
#pragma once

#include "form/element.h"

#include <QRect>
#include <QString>

class QFont;
class QPainter;

// Lays a caption out as the window's labels do and draws it in the painter's pen, from the top of
// area, without clipping: lines placed by the named face's line metrics, words wider than the
// area broken wherever they must be, each line aligned in the area.
void drawCaption(QPainter& painter, const QRect& area, const QString& caption, const QFont& font,
                 Alignment alignment);
