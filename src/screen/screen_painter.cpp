// SPDX-License-Identifier: MIT
#include "screen_painter.h"

#include "assets.h"
#include "basic/colour.h"
#include "basic/twips.h"
#include "caption_layout.h"
#include "fonts.h"
#include "form/form.h"

#include <QPainter>
#include <algorithm>

QRect pixelRect(const ElementRect& r) {
    return QRect(QPoint(pixelEdge(r.left), pixelEdge(r.top)),
                 QPoint(pixelEdge(r.left + r.width) - 1, pixelEdge(r.top + r.height) - 1));
}

namespace {

// The device pixels a rectangle covers, each edge on the nearest whole device pixel.
QRect deviceEdges(const QRectF& r) {
    return QRect(QPoint(qRound(r.left()), qRound(r.top())),
                 QPoint(qRound(r.right()) - 1, qRound(r.bottom()) - 1));
}

// A picture at its own size from the top-left corner, clipped to the element and never stretched;
// beyond the picture the element is transparent.
// On a screen of finer pixels the picture made for that density is copied pixel for pixel, onto
// whole device pixels: a battery fill's end or an icon's edge stays a step, never a blur.
void paintPicture(QPainter& p, const ScreenElement& e) {
    const qreal ratio = p.device()->devicePixelRatioF();
    const QImage picture = assetImageAt(e.picture, ratio);
    const QRect area = pixelRect(e.rect);
    if (picture.isNull() || area.width() <= 0 || area.height() <= 0)
        return;
    const QRect shown = area.intersected(QRect(area.topLeft(), assetImage(e.picture).size()));
    if (hasDrawnAssets(ratio)) {
        const int scale = qRound(ratio);
        p.drawImage(QRectF(shown), picture,
                    QRectF(0, 0, shown.width() * scale, shown.height() * scale));
        return;
    }
    // Rounded on its own, an edge may lie a device pixel beyond the picture scaled down.
    const QTransform toDevice = p.deviceTransform();
    const QPoint origin = deviceEdges(toDevice.mapRect(QRectF(area))).topLeft();
    const QRect source = deviceEdges(toDevice.mapRect(QRectF(shown)))
                             .translated(-origin)
                             .intersected(picture.rect());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(toDevice.inverted().mapRect(QRectF(source.translated(origin))), picture,
                QRectF(source));
    p.restore();
}

// Opaque: the background fills the rectangle, the caption starts at the top edge, breaks into
// further lines where it is too wide, and everything is clipped to the rectangle.
void paintLabel(QPainter& p, const ScreenElement& e) {
    const QRect area = pixelRect(e.rect);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    p.save();
    p.setClipRect(area);
    p.fillRect(area, toQColor(e.backColor));
    p.setPen(toQColor(e.foreColor));
    drawCaption(p, area, e.caption, toQFont(e.font), e.alignment);
    p.restore();
}

} // namespace

void paintWindow(QPainter& painter, const Form& form) {
    const QRect client(0, 0, pixelEdge(form.width()), pixelEdge(form.height()));
    painter.fillRect(client, toQColor(ButtonFaceColour));
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const ScreenElement& e : form.elements()) {
        if (!e.visible)
            continue;
        if (e.kind == ElementKind::Label)
            paintLabel(painter, e);
        else
            paintPicture(painter, e);
    }
}

namespace {

// The window's left `width` window pixels, drawn only that far.
QImage rendered(const Form& form, int width, qreal pixelRatio) {
    QImage image(qRound(width * pixelRatio), qRound(pixelEdge(form.height()) * pixelRatio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    paintWindow(painter, form);
    return image;
}

} // namespace

QImage renderWindow(const Form& form, qreal pixelRatio) {
    return rendered(form, pixelEdge(form.width()), pixelRatio);
}

QImage renderWindowLeft(const Form& form, double width, qreal pixelRatio) {
    return rendered(form, std::min(pixelEdge(form.width()), pixelEdge(width)), pixelRatio);
}
