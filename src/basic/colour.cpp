// SPDX-License-Identifier: MIT
#include "colour.h"

#include <algorithm>

PackedColour colourRule(int red, int green, int blue) {
    const auto clamp = [](int c) { return static_cast<PackedColour>(std::clamp(c, 0, 255)); };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

QColor toQColor(PackedColour colour) {
    if (colour & 0x80000000u) {
        switch (colour & 0xFFu) {
        case 0x0F: // button face
            return QColor(240, 240, 240);
        case 0x12: // button text
        default:
            return QColor(0, 0, 0);
        }
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
