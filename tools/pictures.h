#pragma once

#include <QImage>

// The pictures the program lays its labels over. Positions are pixels of the 524-pixel-wide
// phone screen, which stands for a 1080-pixel phone at a little under half scale.

QImage drawPhoneBackground();
// The bottom action bar of `background`, moved onto a white band the program adds below the call
// records when their list grows past the screen.
QImage drawBottomBand(const QImage& background);
QImage drawBatteryFill();
QImage drawCallIcon();
QImage drawMissedCallIcon();
QImage drawWindowIcon();

// The background with sample texts where the program puts its labels, to judge the pictures in
// place; not one of the pictures.
QImage drawPreview(const QImage& background, const QImage& batteryFill, const QImage& callIcon,
                   const QImage& missedCallIcon);
