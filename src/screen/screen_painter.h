// SPDX-License-Identifier: MIT
#pragma once

#include "form/element.h"

#include <QImage>
#include <QRect>

class Form;
class QPainter;

// The window image as the window shows it: its background and every visible phone-screen element
// in stacking order, at the window's current size, on a screen of pixelRatio device pixels to the
// window pixel (the image is that many times larger and says so in its device pixel ratio). The
// window's paint, the capture and the tests all draw through here.
QImage renderWindow(const Form& form, qreal pixelRatio = 1);
// The same image cut to its left part, at most width twips wide, and drawn only that far.
QImage renderWindowLeft(const Form& form, double width, qreal pixelRatio = 1);
void paintWindow(QPainter& painter, const Form& form);
// Where an element lies in window pixels: its edges rounded to the nearest pixel.
QRect pixelRect(const ElementRect& rect);
