#include "screen_painter.h"

#include "assets.h"
#include "basic/colour.h"
#include "basic/twips.h"
#include "caption_layout.h"
#include "fonts.h"
#include "form.h"

#include <QPainter>

QRect pixelRect(const ElementRect& r) {
    return QRect(QPoint(pixelEdge(r.left), pixelEdge(r.top)),
                 QPoint(pixelEdge(r.left + r.width) - 1, pixelEdge(r.top + r.height) - 1));
}

namespace {

// A picture at its own size from the top-left corner, clipped to the element and never stretched;
// beyond the picture the element is transparent.
void paintPicture(QPainter& p, const ScreenElement& e) {
    const QImage& picture = assetImage(e.picture);
    const QRect area = pixelRect(e.rect);
    if (picture.isNull() || area.width() <= 0 || area.height() <= 0)
        return;
    const QRect shown = area.intersected(QRect(area.topLeft(), picture.size()));
    p.drawImage(shown.topLeft(), picture, QRect(QPoint(0, 0), shown.size()));
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

QImage renderWindow(const Form& form) {
    QImage image(pixelEdge(form.width()), pixelEdge(form.height()), QImage::Format_RGB32);
    QPainter painter(&image);
    paintWindow(painter, form);
    return image;
}
