#include "screen_painter.h"

#include "assets.h"
#include "basic/colour.h"
#include "basic/twips.h"
#include "caption_layout.h"
#include "fonts.h"
#include "form/form.h"

#include <QPainter>

QRect pixelRect(const ElementRect& r) {
    return QRect(QPoint(pixelEdge(r.left), pixelEdge(r.top)),
                 QPoint(pixelEdge(r.left + r.width) - 1, pixelEdge(r.top + r.height) - 1));
}

namespace {

// A picture at its own size from the top-left corner, clipped to the element and never stretched;
// beyond the picture the element is transparent.
// On a screen of finer pixels the picture drawn for that density is copied pixel for pixel.
void paintPicture(QPainter& p, const ScreenElement& e) {
    const int scale = assetScaleFor(p.device()->devicePixelRatioF());
    const QImage picture = assetImage(e.picture, scale);
    const QRect area = pixelRect(e.rect);
    if (picture.isNull() || area.width() <= 0 || area.height() <= 0)
        return;
    const QRect shown =
        area.intersected(QRect(area.topLeft(), picture.deviceIndependentSize().toSize()));
    p.drawImage(QRectF(shown), picture,
                QRectF(0, 0, shown.width() * scale, shown.height() * scale));
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
    // Only a screen between two scales of picture (1.5, say) draws a picture resized.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ScreenElement& e : form.elements()) {
        if (!e.visible)
            continue;
        if (e.kind == ElementKind::Label)
            paintLabel(painter, e);
        else
            paintPicture(painter, e);
    }
}

QImage renderWindow(const Form& form, qreal pixelRatio) {
    const QSize size(pixelEdge(form.width()), pixelEdge(form.height()));
    QImage image(qRound(size.width() * pixelRatio), qRound(size.height() * pixelRatio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    paintWindow(painter, form);
    return image;
}
