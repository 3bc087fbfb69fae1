// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// Every position and size is kept in twips, 1/1440 inch; the window is laid out for 96 dots per
// inch, 15 twips to the pixel.
inline constexpr int TwipsPerPixel = 15;

// The pixel edge nearest to a twip position. Edges, not sizes, are rounded, so that neighbouring
// elements never open a gap or overlap by rounding.
inline int pixelEdge(double twips) {
    return static_cast<int>(std::floor(twips / TwipsPerPixel + 0.5));
}
