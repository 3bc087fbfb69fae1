// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <cstdint>

// A colour as the window definition stores it: 0x00BBGGRR, red in the lowest byte. With the top
// bit set, the low byte names a system colour instead.
using PackedColour = std::uint32_t;

inline constexpr PackedColour ButtonTextColour = 0x80000012;
inline constexpr PackedColour ButtonFaceColour = 0x8000000F;
inline constexpr PackedColour Black = 0x00000000;
inline constexpr PackedColour White = 0x00FFFFFF;
inline constexpr PackedColour Red = 0x000000FF;
inline constexpr PackedColour Blue = 0x00FF0000;

// red + 256 * green + 65536 * blue; a component above 255 counts as 255, one below 0 as 0.
PackedColour colourRule(int red, int green, int blue);
// The displayed colour; system colours take the standard scheme (black text, light grey face).
QColor toQColor(PackedColour colour);
