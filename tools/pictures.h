// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The pictures the program lays its labels over. Positions are pixels of the 524-pixel-wide
// phone screen, which stands for a 1080-pixel phone at a little under half scale.
//
// Each is drawn `scale` times (1, 2 or 3) its size for screens of that pixel ratio, which the
// image carries as its device pixel ratio: the same picture in more pixels, not a stretch.

QImage drawPhoneBackground(int scale);
// The bottom action bar of `background`, moved onto a white band the program adds below the call
// records when their list grows past the screen; at the background's scale.
QImage drawBottomBand(const QImage& background);
QImage drawBatteryFill(int scale);
QImage drawCallIcon(int scale);
QImage drawMissedCallIcon(int scale);
// The program's diskette, `size` pixels on a side, for the window and the desktop's menus.
QImage drawWindowIcon(int size);

// The background with sample texts where the program puts its labels, to judge the pictures in
// place, at the pictures' scale; not one of the pictures.
QImage drawPreview(const QImage& background, const QImage& batteryFill, const QImage& callIcon,
                   const QImage& missedCallIcon);
