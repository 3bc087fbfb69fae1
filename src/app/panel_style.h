// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QProxyStyle>

// The platform's style, with check boxes that fit their height: the panel's unanswered boxes are
// 12 pixels high, and a standard 14-pixel square would lose its top and bottom edges, and the
// caption's ideographs and parentheses, taller than 12 pixels in the panel's 12-pixel face, their
// tails.
class PanelStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// A caption laid out so that its whole ink fits a height: the font at the largest pixel size, up
// to the given one, whose drawn ink is no taller than the height, and where the top of the line
// box goes so that the ink is centred in it on whole device pixels.
struct FittedCaption {
    QFont font;
    qreal lineTop = 0; // from the top of the height, in pixels
};
FittedCaption fitCaption(const QString& text, const QFont& font, int textFlags, int height,
                         qreal devicePixelRatio);
