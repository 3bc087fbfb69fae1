// SPDX-License-Identifier: MIT
#pragma once

#include "form/element.h"

#include <QFont>

class QPaintDevice;

// The window definition names Windows faces; map them to faces every Debian machine has, so the
// picture is the same everywhere. A machine that has the original face keeps it.
void installFontSubstitutions();

// The font at its pixel size for 96 dots per inch, whatever the screen's own resolution.
QFont toQFont(const FontSpec& spec);

// How a label lays out the lines of its caption in a face, in pixels: the baseline lies `ascent`
// below the top of its line, and the next line starts `leading` below the bottom of this one,
// whose height is ascent + descent.
struct LineMetrics {
    qreal ascent = 0;
    qreal descent = 0;
    qreal leading = 0;
};

// The line metrics of the face the font names (its family), also where a stand-in draws the glyphs:
// a caption must sit where the named face puts it, or a stand-in with a taller line pushes it down
// and out of its label, and one with a shorter ascent lifts it above what it stands beside.
LineMetrics namedFaceLineMetrics(const QFont& font, const QPaintDevice* device);

// The character that draws a caption's blank as wide as the named face draws it. SimHei's and
// SimSun's blank is half an em, the CJK stand-ins' under a quarter ("广东湛江 移动" would close
// up), so where a stand-in draws, the blank is an en space: half an em in every face.
QChar namedFaceBlank(const QFont& font);
