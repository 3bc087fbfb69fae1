#pragma once

#include "screen_element.h"

#include <QFont>

// The window definition names Windows faces; map them to faces every Debian machine has, so the
// picture is the same everywhere. A machine that has the original face keeps it.
void installFontSubstitutions();

// The font at its pixel size for 96 dots per inch, whatever the screen's own resolution.
QFont toQFont(const FontSpec& spec);
