// SPDX-License-Identifier: MIT
#include "panel_style.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The device-pixel rows that the caption's ink takes, relative to the top of its line box, as
// the painter draws it (hinting and antialiasing included): measured, because no font metric says
// how far a parenthesis reaches below the baseline.
struct InkRows {
    int top = 0;
    int bottom = 0; // exclusive
};
std::optional<InkRows> inkRows(const QString& text, const QFont& font, int textFlags,
                               qreal devicePixelRatio) {
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(text) + 2 * metrics.height(), 3 * metrics.height());
    QImage canvas((size * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(devicePixelRatio);
    canvas.fill(Qt::transparent);
    // The line box starts on a whole device pixel a line's height down, as it will where it is
    // drawn, so that the rows measured are the rows drawn.
    const int margin = qRound(metrics.height() * devicePixelRatio);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(QPointF(metrics.height(), margin / devicePixelRatio),
                                QSizeF(size.width(), metrics.height())),
                         textFlags | Qt::TextDontClip | Qt::AlignLeft | Qt::AlignTop, text);
    }
    std::optional<InkRows> rows;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        if (std::none_of(line, line + canvas.width(), [](QRgb p) { return qAlpha(p) != 0; }))
            continue;
        if (!rows)
            rows = InkRows{y - margin, 0};
        rows->bottom = y - margin + 1;
    }
    return rows;
}

} // namespace

FittedCaption fitCaption(const QString& text, const QFont& font, int textFlags, int height,
                         qreal devicePixelRatio) {
    const int deviceHeight = qRound(height * devicePixelRatio);
    QFont fitted = font;
    const int largest = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    for (int pixels = largest; pixels >= 1; --pixels) {
        fitted.setPixelSize(pixels);
        const std::optional<InkRows> ink = inkRows(text, fitted, textFlags, devicePixelRatio);
        if (!ink)
            break;
        const int inkHeight = ink->bottom - ink->top;
        if (inkHeight <= deviceHeight || pixels == 1)
            return {fitted, ((deviceHeight - inkHeight) / 2 - ink->top) / devicePixelRatio};
    }
    // Nothing to draw: the line box where the platform would centre it.
    fitted.setPixelSize(largest);
    return {fitted, (height - QFontMetricsF(fitted).height()) / 2};
}

int PanelStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    const int standard = QProxyStyle::pixelMetric(metric, option, widget);
    if ((metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) &&
        qobject_cast<const QCheckBox*>(widget))
        return std::min(standard, widget->height());
    return standard;
}

void PanelStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_CheckBoxLabel || !box || box->text.isEmpty() || !box->icon.isNull()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const int mnemonic = proxy()->styleHint(SH_UnderlineShortcut, box, widget)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    const qreal ratio = painter->device()->devicePixelRatioF();
    // The label's rectangle starts on a whole pixel; the line's top is then on a whole device
    // pixel too, as it was where it was measured.
    const QRect area = box->rect;
    const FittedCaption fitted =
        fitCaption(box->text, painter->font(), mnemonic, area.height(), ratio);
    painter->save();
    painter->setFont(fitted.font);
    painter->setPen(box->palette.color(
        box->state & State_Enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(box->direction, Qt::AlignLeft) & Qt::AlignHorizontal_Mask;
    painter->drawText(QRectF(area.left(), area.top() + fitted.lineTop, area.width(),
                             QFontMetricsF(fitted.font).height()),
                      mnemonic | Qt::TextDontClip | horizontal | Qt::AlignTop, box->text);
    painter->restore();
}
