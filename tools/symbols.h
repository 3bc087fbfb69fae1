// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// A telephone handset, earpiece at the upper left and mouthpiece at the lower right, its back
// curving towards the lower left; fitted into the square `box`.
QPainterPath handsetPath(const QRectF& box);

// The line symbols share one pen so that they read as one family.
inline constexpr double kLineWeight = 2.0;

void drawBackArrow(QPainter& p, const QRectF& box, const QColor& ink);
void drawCallSymbol(QPainter& p, const QRectF& box, const QColor& ink);
void drawVideoSymbol(QPainter& p, const QRectF& box, const QColor& ink);
void drawMessageSymbol(QPainter& p, const QRectF& box, const QColor& ink);
void drawPlusSymbol(QPainter& p, const QRectF& box, const QColor& ink);
void drawPersonSymbol(QPainter& p, const QRectF& box, const QColor& ink);
void drawMoreSymbol(QPainter& p, const QRectF& box, const QColor& ink);

// The small glyphs of the status bar; each is fitted into `box`.
void drawSignalBars(QPainter& p, const QRectF& box, const QColor& ink);
void drawWifi(QPainter& p, const QRectF& box, const QColor& ink);
void drawAlarmClock(QPainter& p, const QRectF& box, const QColor& ink);
void drawBluetooth(QPainter& p, const QRectF& box, const QColor& ink);
