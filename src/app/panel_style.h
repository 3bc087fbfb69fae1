#pragma once

#include <QProxyStyle>

// The platform's style, with check boxes that fit their height: the panel's unanswered boxes are
// 12 pixels high, and a standard 14-pixel square would lose its top and bottom edges.
class PanelStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
