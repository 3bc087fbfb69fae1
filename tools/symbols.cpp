// SPDX-License-Identifier: MIT
#include "symbols.h"

#include <QPainter>
#include <QTransform>

#include <cmath>

namespace {

QPen linePen(const QColor& ink, double weight = kLineWeight) {
    return QPen(ink, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A quarter circle of radius r opening upwards from the apex, as the Wi-Fi fan is built of.
QPainterPath fanSector(const QPointF& apex, double r) {
    QPainterPath path(apex);
    path.arcTo(QRectF(apex.x() - r, apex.y() - r, 2 * r, 2 * r), 45, 90);
    path.closeSubpath();
    return path;
}

} // namespace

QPainterPath handsetPath(const QRectF& box) {
    // Drawn on an 18-unit square (3 to 21); the outline is symmetric about the diagonal from
    // the lower left to the upper right, so the earpiece and the mouthpiece match.
    QPainterPath path(QPointF(3, 4));
    path.quadTo(3, 3, 4, 3);
    path.lineTo(7.6, 3);
    path.quadTo(8.5, 3, 8.55, 3.9);
    path.cubicTo(8.6, 5.1, 8.8, 6.3, 9.1, 7.4);
    path.quadTo(9.3, 8.1, 8.8, 8.6);
    path.lineTo(6.8, 10.3);
    path.cubicTo(8.3, 13.3, 10.7, 15.7, 13.7, 17.2);
    path.lineTo(15.4, 15.2);
    path.quadTo(15.9, 14.7, 16.6, 14.9);
    path.cubicTo(17.7, 15.2, 18.9, 15.4, 20.1, 15.45);
    path.quadTo(21, 15.5, 21, 16.4);
    path.lineTo(21, 20);
    path.quadTo(21, 21, 20, 21);
    path.cubicTo(10.6, 21, 3, 13.4, 3, 4);
    path.closeSubpath();

    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / 18.0, box.height() / 18.0);
    fit.translate(-3, -3);
    return fit.map(path);
}

void drawBackArrow(QPainter& p, const QRectF& box, const QColor& ink) {
    const double inset = kLineWeight / 2;
    const double left = box.left() + inset;
    const double right = box.right() - inset;
    const double midY = box.center().y();
    const double reach = box.height() / 2 - inset;
    p.setPen(linePen(ink));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(left, midY), QPointF(right, midY));
    QPainterPath head(QPointF(left + reach, midY - reach));
    head.lineTo(left, midY);
    head.lineTo(left + reach, midY + reach);
    p.drawPath(head);
}

void drawCallSymbol(QPainter& p, const QRectF& box, const QColor& ink) {
    const double inset = kLineWeight / 2;
    p.setPen(linePen(ink));
    p.setBrush(Qt::NoBrush);
    p.drawPath(handsetPath(box.adjusted(inset, inset, -inset, -inset)));
}

void drawVideoSymbol(QPainter& p, const QRectF& box, const QColor& ink) {
    const double inset = kLineWeight / 2;
    const QRectF area = box.adjusted(inset, inset, -inset, -inset);
    const double bodyHeight = area.height() * 0.62;
    const QRectF body(area.left(), area.center().y() - bodyHeight / 2, area.width() * 0.66,
                      bodyHeight);
    p.setPen(linePen(ink));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, 3, 3);
    const double lensLeft = body.right() + area.width() * 0.06;
    const double cy = body.center().y();
    QPainterPath lens(QPointF(lensLeft, cy - bodyHeight * 0.16));
    lens.lineTo(area.right(), cy - bodyHeight * 0.42);
    lens.lineTo(area.right(), cy + bodyHeight * 0.42);
    lens.lineTo(lensLeft, cy + bodyHeight * 0.16);
    lens.closeSubpath();
    p.drawPath(lens);
}

void drawMessageSymbol(QPainter& p, const QRectF& box, const QColor& ink) {
    const double inset = kLineWeight / 2;
    const QRectF area = box.adjusted(inset, inset, -inset, -inset);
    const QRectF bubble(area.left(), area.top() + area.height() * 0.08, area.width(),
                        area.height() * 0.70);
    QPainterPath outline;
    outline.addRoundedRect(bubble, 5, 5);
    QPainterPath tail(QPointF(area.left() + area.width() * 0.22, bubble.bottom() - 2));
    tail.lineTo(area.left() + area.width() * 0.18, area.bottom());
    tail.lineTo(area.left() + area.width() * 0.46, bubble.bottom() - 2);
    tail.closeSubpath();
    outline = outline.united(tail).simplified();
    p.setPen(linePen(ink));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    // Three dots, as the messaging symbol shows them.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double dotRadius = kLineWeight * 0.75;
    for (int i = -1; i <= 1; ++i) {
        const QPointF c(bubble.center().x() + i * area.width() * 0.25, bubble.center().y());
        p.drawEllipse(c, dotRadius, dotRadius);
    }
}

void drawPlusSymbol(QPainter& p, const QRectF& box, const QColor& ink) {
    const QPointF c = box.center();
    const double half = std::min(box.width(), box.height()) / 2 - kLineWeight / 2;
    p.setPen(linePen(ink));
    p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - half), QPointF(c.x(), c.y() + half));
}

void drawPersonSymbol(QPainter& p, const QRectF& box, const QColor& ink) {
    const double inset = kLineWeight / 2;
    const QRectF area = box.adjusted(inset, inset, -inset, -inset);
    const double headRadius = area.height() * 0.22;
    const QPointF headCentre(area.center().x(), area.top() + headRadius);
    p.setPen(linePen(ink));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(headCentre, headRadius, headRadius);
    // The shoulders: the upper half of a wide ellipse closed by a straight hem.
    const double shouldersTop = area.top() + area.height() * 0.58;
    const double shouldersWidth = area.width() * 0.92;
    const QRectF ellipse(area.center().x() - shouldersWidth / 2, shouldersTop, shouldersWidth,
                         2 * (area.bottom() - shouldersTop));
    QPainterPath shoulders(QPointF(ellipse.left(), area.bottom()));
    shoulders.arcTo(ellipse, 180, -180);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

void drawMoreSymbol(QPainter& p, const QRectF& box, const QColor& ink) {
    const double radius = box.width() * 0.17;
    const double step = box.width() / 2 - radius - kLineWeight / 2;
    p.setPen(linePen(ink));
    p.setBrush(Qt::NoBrush);
    for (int row = -1; row <= 1; row += 2) {
        for (int col = -1; col <= 1; col += 2) {
            const QPointF c(box.center().x() + col * step, box.center().y() + row * step);
            p.drawEllipse(c, radius, radius);
        }
    }
}

void drawSignalBars(QPainter& p, const QRectF& box, const QColor& ink) {
    constexpr int kBars = 4;
    const double gap = 1.0;
    const double barWidth = (box.width() - gap * (kBars - 1)) / kBars;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < kBars; ++i) {
        const double height = box.height() * (0.4 + 0.2 * i);
        const QRectF bar(box.left() + i * (barWidth + gap), box.bottom() - height, barWidth,
                         height);
        p.drawRoundedRect(bar, 0.6, 0.6);
    }
}

void drawWifi(QPainter& p, const QRectF& box, const QColor& ink) {
    // A fan of a dot and two bands, apex at the bottom centre.
    const QPointF apex(box.center().x(), box.bottom());
    const double outer = box.height();
    const double band = outer * 0.21;
    const double gap = outer * 0.12;
    QPainterPath fan = fanSector(apex, outer).subtracted(fanSector(apex, outer - band));
    fan.addPath(
        fanSector(apex, outer - band - gap).subtracted(fanSector(apex, outer - 2 * band - gap)));
    fan.addPath(fanSector(apex, outer - 2 * band - 2 * gap));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(fan);
}

void drawAlarmClock(QPainter& p, const QRectF& box, const QColor& ink) {
    const double weight = 1.5;
    const double radius = box.width() * 0.36;
    const QPointF centre(box.center().x(), box.bottom() - radius - weight);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, weight, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(ink, weight * 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath hands(QPointF(centre.x(), centre.y() - radius * 0.55));
    hands.lineTo(centre);
    hands.lineTo(centre.x() + radius * 0.42, centre.y() + radius * 0.3);
    p.drawPath(hands);
    // The bells and the feet.
    const double bell = radius + weight * 1.4;
    const QRectF bellArc(centre.x() - bell, centre.y() - bell, 2 * bell, 2 * bell);
    p.setPen(QPen(ink, weight * 1.1, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(bellArc, 32 * 16, 36 * 16);
    p.drawArc(bellArc, 112 * 16, 36 * 16);
    p.setPen(QPen(ink, weight * 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int side = -1; side <= 1; side += 2) {
        const QPointF from(centre.x() + side * radius * 0.62, centre.y() + radius * 0.78);
        p.drawLine(from, QPointF(centre.x() + side * radius * 0.95, box.bottom() - 0.5));
    }
}

void drawBluetooth(QPainter& p, const QRectF& box, const QColor& ink) {
    const double weight = 1.4;
    const QRectF area = box.adjusted(weight / 2, weight / 2, -weight / 2, -weight / 2);
    const double cx = area.center().x();
    QPainterPath rune(QPointF(area.left(), area.top() + area.height() * 0.28));
    rune.lineTo(area.right(), area.top() + area.height() * 0.73);
    rune.lineTo(cx, area.bottom());
    rune.lineTo(cx, area.top());
    rune.lineTo(area.right(), area.top() + area.height() * 0.27);
    rune.lineTo(area.left(), area.top() + area.height() * 0.72);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, weight, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(rune);
}
