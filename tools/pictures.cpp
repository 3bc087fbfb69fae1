// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "symbols.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kScreenWidth = 524;
constexpr int kScreenHeight = 855;
// The header colour has to match the labels the program paints over it exactly.
const QColor kLavender(225, 218, 236);
constexpr int kCardTop = 182;
constexpr int kBarTop = 783;
constexpr int kBarHeight = 54;
constexpr int kBandHeight = 231;
constexpr int kBandBarTop = 160;

const QColor kInk(26, 26, 26);
const QColor kStatusInk(30, 28, 34);
const QColor kSecondaryInk(64, 64, 66);
const QColor kAccent(13, 132, 255);
const QColor kIconGrey(150, 150, 150);
const QColor kBatteryCharge(92, 86, 98);

QFont uiFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    // Phones render text unhinted; hinting would snap the strokes to a desktop look.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Draws `text` with its ink centred vertically on `centreY`, measured on a reference glyph so a
// line of short characters sits where a line of tall ones would. `x` is where the ink starts,
// ends or is centred, as `align` says.
void drawInk(QPainter& p, const QFont& font, const QColor& ink, const QString& text, double x,
             double centreY, Qt::Alignment align, const QString& reference) {
    const QFontMetricsF metrics(font);
    const QRectF refBox = metrics.tightBoundingRect(reference);
    const QRectF inkBox = metrics.tightBoundingRect(text);
    // The painter snaps a baseline to a whole pixel of the image; snapping it to one of the 1x
    // picture puts the text of the 2x and 3x pictures exactly where it lies at 1x.
    const double baseline = std::round(centreY - (refBox.top() + refBox.bottom()) / 2);
    double left = x - inkBox.left();
    if (align & Qt::AlignRight)
        left = x - inkBox.right();
    else if (align & Qt::AlignHCenter)
        left = x - (inkBox.left() + inkBox.right()) / 2;
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QPointF(left, baseline), text);
}

void drawCjk(QPainter& p, const QFont& font, const QColor& ink, const QString& text, double x,
             double centreY, Qt::Alignment align = Qt::AlignLeft) {
    drawInk(p, font, ink, text, x, centreY, align, QStringLiteral("国"));
}

void drawLatin(QPainter& p, const QFont& font, const QColor& ink, const QString& text, double x,
               double centreY, Qt::Alignment align = Qt::AlignLeft) {
    drawInk(p, font, ink, text, x, centreY, align, QStringLiteral("H"));
}

void drawBattery(QPainter& p) {
    // The body's ring leaves a gap of a pixel and a half around the charge the program lays at
    // x 421-441, y 13-22, on every side.
    const QRectF outer(418, 10, 27, 16);
    const QRectF inner = outer.adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath ring;
    ring.addRoundedRect(outer, 3.5, 3.5);
    QPainterPath hole;
    hole.addRoundedRect(inner, 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kStatusInk.red(), kStatusInk.green(), kStatusInk.blue(), 120));
    p.drawPath(ring.subtracted(hole));
    QPainterPath tip;
    tip.addRoundedRect(QRectF(445.6, 15, 2.4, 6), 1, 1);
    p.drawPath(tip.subtracted(ring));
}

void drawStatusBar(QPainter& p) {
    // Left: voice over LTE, mobile data, Wi-Fi and the network speed.
    drawLatin(p, uiFont(12, true), kStatusInk, QStringLiteral("HD"), 21, 18.5);
    drawLatin(p, uiFont(10, true), kStatusInk, QStringLiteral("4G"), 40, 13);
    // Data activity: up and down arrowheads below the 4G.
    p.setPen(Qt::NoPen);
    p.setBrush(kStatusInk);
    p.drawPolygon(QPolygonF{QPointF(40, 25.5), QPointF(42.75, 21), QPointF(45.5, 25.5)});
    p.drawPolygon(QPolygonF{QPointF(46.5, 21), QPointF(49.25, 25.5), QPointF(52, 21)});
    drawSignalBars(p, QRectF(55, 10, 15, 16), kStatusInk);
    drawWifi(p, QRectF(74, 10.5, 22, 15.5), kStatusInk);
    const QFont speedFont = uiFont(10, true);
    drawLatin(p, speedFont, kStatusInk, QStringLiteral("6.3"), 110, 13.5, Qt::AlignHCenter);
    drawLatin(p, speedFont, kStatusInk, QStringLiteral("K/s"), 110, 23.5, Qt::AlignHCenter);

    // Right: alarm and Bluetooth, clear of the 8-pixel JPEG blocks from x 368 on so the
    // percentage label the program lays over x 373-414 meets a flat colour.
    drawAlarmClock(p, QRectF(334, 10, 16, 16), kStatusInk);
    drawBluetooth(p, QRectF(356, 10, 9, 16), kStatusInk);
    drawBattery(p);
}

void drawAvatar(QPainter& p) {
    const QPointF centre(262, 170);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 75, 75);
    const double radius = 71;
    p.setBrush(QColor(196, 199, 207));
    p.drawEllipse(centre, radius, radius);

    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath figure;
    figure.addEllipse(QPointF(centre.x(), centre.y() - 16), 23, 23);
    figure.addEllipse(QRectF(centre.x() - 48, centre.y() + 16, 96, 90));
    p.setBrush(QColor(236, 238, 242));
    p.drawPath(figure.intersected(disc));
}

void drawCard(QPainter& p) {
    QPainterPath card;
    card.addRoundedRect(QRectF(0, kCardTop, kScreenWidth, kScreenHeight), 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(card);

    // Call, video call and message for the number, at the right of its line, on even centres.
    const QColor ink = kSecondaryInk;
    drawCallSymbol(p, QRectF(372 - 13, 332, 26, 26), ink);
    drawVideoSymbol(p, QRectF(428 - 15, 331, 30, 28), ink);
    drawMessageSymbol(p, QRectF(484 - 14, 331, 28, 28), ink);

    p.fillRect(QRect(0, 395, kScreenWidth, 11), QColor(246, 246, 246));

    drawCjk(p, uiFont(20, true), kInk, QStringLiteral("通话记录"), 24, 430);
    drawCjk(p, uiFont(19), kAccent, QStringLiteral("清空"), 513, 430, Qt::AlignRight);
}

void drawActionBar(QPainter& p, int top) {
    const QColor ink = kSecondaryInk;
    const double column = kScreenWidth / 3.0;
    const double iconTop = top + 7;
    const double iconSize = 22;
    const double labelCentre = top + 43;
    const QFont labelFont = uiFont(15);
    const QString labels[] = {QStringLiteral("新建联系人"), QStringLiteral("保存至已有联系人"),
                              QStringLiteral("更多选项")};
    for (int i = 0; i < 3; ++i) {
        // Whole-pixel centres keep the two-pixel strokes of the symbols on the pixel grid.
        const double cx = std::round(column * (i + 0.5));
        const QRectF box(cx - iconSize / 2, iconTop, iconSize, iconSize);
        if (i == 0)
            drawPlusSymbol(p, box, ink);
        else if (i == 1)
            drawPersonSymbol(p, box, ink);
        else
            drawMoreSymbol(p, box, ink);
        drawCjk(p, labelFont, ink, labels[i], cx, labelCentre, Qt::AlignHCenter);
    }
}

// A picture `scale` times the size it is drawn at: its painters draw in the coordinates of the
// 1x picture, so every scale comes from the same drawing, and what sits on whole pixels at 1x
// sits on whole pixels at every scale.
QImage blankImage(int width, int height, const QColor& colour, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(colour);
    return image;
}

} // namespace

QImage drawPhoneBackground(int scale) {
    QImage image = blankImage(kScreenWidth, kScreenHeight, kLavender, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawStatusBar(p);
    drawBackArrow(p, QRectF(37, 63, 30, 28), kInk);
    drawCard(p);
    drawAvatar(p);
    drawActionBar(p, kBarTop);
    return image;
}

QImage drawBottomBand(const QImage& background) {
    const int scale = int(background.devicePixelRatio());
    QImage band = blankImage(kScreenWidth, kBandHeight, Qt::white, scale);
    const QImage bar =
        background.copy(QRect(0, kBarTop * scale, kScreenWidth * scale, kBarHeight * scale));
    QPainter p(&band);
    p.drawImage(QPoint(0, kBandBarTop), bar);
    return band;
}

QImage drawBatteryFill(int scale) {
    // The lighter top row and right column are the anti-aliased edge of the charge as the phone
    // draws it, one pixel of the screen whatever its density; the program lays this picture in
    // whole pixels.
    QImage image = blankImage(21, 10, kBatteryCharge, scale);
    const QColor edge(150, 144, 160);
    for (int x = 0; x < image.width(); ++x)
        image.setPixelColor(x, 0, edge);
    for (int y = 0; y < image.height(); ++y)
        image.setPixelColor(image.width() - 1, y, edge);
    return image;
}

QImage drawCallIcon(int scale) {
    QImage image = blankImage(20, 19, Qt::white, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kIconGrey);
    p.drawPath(handsetPath(QRectF(0.5, 3.5, 15, 15)));
    // Incoming: the arrow comes from the upper right, its head at the lower left.
    const QPointF head(12.5, 7.5);
    p.setPen(QPen(kIconGrey, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(head, QPointF(18.5, 1.5));
    QPainterPath barbs(QPointF(head.x(), head.y() - 4.5));
    barbs.lineTo(head);
    barbs.lineTo(head.x() + 4.5, head.y());
    p.drawPath(barbs);
    return image;
}

QImage drawMissedCallIcon(int scale) {
    QImage image = blankImage(20, 19, Qt::white, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The handset put down: the usual one turned until its back arches upwards, then flattened.
    const QPainterPath upright = handsetPath(QRectF(-9, -9, 18, 18));
    QTransform lie;
    lie.translate(10, 14.8);
    lie.scale(1.0, 0.62);
    lie.rotate(135);
    QPainterPath lying = lie.map(upright);
    const QRectF bounds = lying.boundingRect();
    QTransform fit;
    fit.translate(10, 14.5);
    fit.scale(18.0 / bounds.width(), 1.0);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(kIconGrey);
    p.drawPath(fit.map(lying));

    // Missed: the arrow dips and turns back up; its head is where it started, upper left.
    const QPointF head(3.5, 2.5);
    p.setPen(QPen(kIconGrey, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath zigzag(head);
    zigzag.lineTo(9.5, 8.5);
    zigzag.lineTo(16.5, 1.5);
    p.drawPath(zigzag);
    QPainterPath barbs(QPointF(head.x(), head.y() + 4.5));
    barbs.lineTo(head);
    barbs.lineTo(head.x() + 4.5, head.y());
    p.drawPath(barbs);
    return image;
}

QImage drawWindowIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The diskette is laid out on a grid of 32. At another size every edge goes to the nearest
    // whole pixel, right and bottom edges counted from the far side so the picture stays
    // centred, and the lines (the rim, the shutter's shade, the label's writing) keep at least a
    // pixel: a 16-pixel icon stays legible and a 256-pixel one stays as crisp as the 32-pixel one.
    const double scale = size / 32.0;
    const auto fromStart = [scale](int units) { return int(std::lround(units * scale)); };
    const auto fromEnd = [size, &fromStart](int units) { return size - fromStart(32 - units); };
    const int line = std::max(1, fromStart(1));
    const auto pixelEdges = [](int left, int top, int right, int bottom) {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    };
    const auto box = [&](int left, int top, int right, int bottom) {
        return pixelEdges(fromStart(left), fromStart(top), fromEnd(right), fromEnd(bottom));
    };

    // The rim is stroked along its middle, which puts it on whole pixels.
    const QRect outline = box(1, 1, 31, 31);
    const QRectF rimMiddle =
        QRectF(outline).adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0);
    const double corner = 2.5 * scale;
    const int chamfer = fromStart(5);
    QPainterPath body(QPointF(rimMiddle.left() + corner, rimMiddle.top()));
    body.lineTo(rimMiddle.right() - chamfer, rimMiddle.top());
    body.lineTo(rimMiddle.right(), rimMiddle.top() + chamfer);
    body.lineTo(rimMiddle.right(), rimMiddle.bottom() - corner);
    body.quadTo(rimMiddle.bottomRight(), QPointF(rimMiddle.right() - corner, rimMiddle.bottom()));
    body.lineTo(rimMiddle.left() + corner, rimMiddle.bottom());
    body.quadTo(rimMiddle.bottomLeft(), QPointF(rimMiddle.left(), rimMiddle.bottom() - corner));
    body.lineTo(rimMiddle.left(), rimMiddle.top() + corner);
    body.quadTo(rimMiddle.topLeft(), QPointF(rimMiddle.left() + corner, rimMiddle.top()));
    body.closeSubpath();
    p.setPen(QPen(QColor(158, 22, 30), line));
    p.setBrush(QColor(214, 36, 44));
    p.drawPath(body);
    p.setPen(Qt::NoPen);

    // The metal shutter with its window, hanging from the rim, and the label, standing on it.
    const int insideTop = outline.top() + line;
    const int insideBottom = outline.bottom() + 1 - line;
    const QRect shutter = pixelEdges(fromStart(8), insideTop, fromEnd(23), fromEnd(12));
    p.fillRect(shutter, QColor(206, 210, 216));
    p.fillRect(QRect(shutter.left(), shutter.bottom() + 1 - line, shutter.width(), line),
               QColor(150, 154, 160));
    p.fillRect(box(17, 4, 20, 10), QColor(70, 74, 82));
    const QRect label = pixelEdges(fromStart(5), fromStart(16), fromEnd(27), insideBottom);
    p.setBrush(Qt::white);
    const double labelCorner = 1.5 * scale;
    p.drawRoundedRect(QRectF(label), labelCorner, labelCorner);
    for (const int writing : {20, 24})
        p.fillRect(QRect(fromStart(8), fromStart(writing), fromEnd(24) - fromStart(8), line),
                   QColor(200, 200, 204));
    return image;
}

QImage drawPreview(const QImage& background, const QImage& batteryFill, const QImage& callIcon,
                   const QImage& missedCallIcon) {
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QFont statusFont = uiFont(16);
    p.fillRect(QRect(373, 6, 42, 26), kLavender);
    drawLatin(p, statusFont, Qt::black, QStringLiteral("91%"), 414, 18.5, Qt::AlignRight);
    p.fillRect(QRect(453, 6, 66, 26), kLavender);
    drawLatin(p, statusFont, Qt::black, QStringLiteral("15:17"), 453, 18.5);
    p.drawImage(421, 13, batteryFill);

    drawLatin(p, uiFont(40), Qt::black, QStringLiteral("138 0013 8000"), 262, 284,
              Qt::AlignHCenter);
    drawLatin(p, uiFont(22), kInk, QStringLiteral("138 0013 8000"), 40, 350);
    drawCjk(p, uiFont(17), QColor(140, 140, 140), QStringLiteral("北京 中国移动"), 40, 378);

    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(20);
    struct Row {
        int top;
        const char* date;
        const char* duration;
        bool missed;
    };
    const Row rows[] = {{453, "10月14日 9:32", "1分11秒", false},
                        {553, "10月13日 18:05", "响铃5声", true},
                        {653, "10月12日 20:47", "12分3秒", false}};
    for (const Row& row : rows) {
        drawCjk(p, uiFont(24, true), Qt::black, QString::fromUtf8(row.date), 24, row.top + 16);
        p.setFont(arial);
        p.setPen(QColor(120, 120, 120));
        p.drawText(QRect(48, row.top + 45, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("138 0013 8000"));
        drawCjk(p, uiFont(19), QColor(160, 160, 160), QString::fromUtf8(row.duration), 513,
                row.top + 31, Qt::AlignRight);
        p.drawImage(24, row.top + 49, row.missed ? missedCallIcon : callIcon);
    }
    return image;
}
