// SPDX-License-Identifier: MIT
// Where the end-to-end tests click: the point of a control of the panel or an element of the phone
// screen, by its name, in the window's pixels, from the panel table and the element table.
//
//   control_positions [--scale S] NAME   prints "X Y", times S on a screen of S device pixels to
//                                        the window pixel (rounded to the nearest)
//   control_positions                    prints "NAME X Y" for every name, and fails when one has
//                                        no point that reaches it
//
// A control's point is the centre of its part inside the wide window. A check box takes a click
// only on its box and caption, and a short caption ends before the centre: its point is on the box,
// half its height in from its left edge. An element's point is its centre. Where what lies above
// covers that point (a control made after it, a shown element stacked above it), the point is the
// nearest one of its rectangle left free. Points that are no control:
//   panel-background   the panel's background between the title and the line below it, where a
//                      drag moves the window and a right click opens the menu
#include "basic/twips.h"
#include "screen/element_table.h"
#include "screen/screen_painter.h"
#include "settings/panel_table.h"
#include "window/window_modes.h"

#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <vector>

namespace {

struct NamedPoint {
    QString name;
    std::optional<QPoint> point; // none: nothing of it can be reached
};

// The window's pixels that a control's widget covers; a line is one pixel high.
QRect widgetRect(const PanelControl& c) {
    if (c.kind == ControlKind::Line)
        return QRect(QPoint(pixelEdge(c.rect.left), pixelEdge(c.rect.top)),
                     QPoint(pixelEdge(c.rect.width), pixelEdge(c.rect.top)));
    QRect r = pixelRect(c.rect);
    r.setRight(std::min(r.right(), pixelEdge(WideWidth) - 1));
    return r;
}

// The point of the area nearest the preferred one that none of the covering rectangles holds.
std::optional<QPoint> freePoint(const QRect& area, QPoint preferred,
                                const std::vector<QRect>& covering) {
    std::optional<QPoint> best;
    long bestDistance = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint p(x, y);
            const long distance = long(x - preferred.x()) * (x - preferred.x()) +
                                  long(y - preferred.y()) * (y - preferred.y());
            if (best && distance >= bestDistance)
                continue;
            if (std::none_of(covering.begin(), covering.end(),
                             [&](const QRect& r) { return r.contains(p); })) {
                best = p;
                bestDistance = distance;
            }
        }
    return best;
}

std::vector<NamedPoint> namedPoints() {
    std::vector<NamedPoint> points;
    const std::span<const PanelControl> controls = panelTable();
    std::vector<QRect> widgets;
    for (const PanelControl& c : controls)
        widgets.push_back(widgetRect(c));
    // A widget made later lies above the ones made before it, and the panel makes them in the
    // order of its table.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const PanelControl& c = controls[i];
        if (c.kind == ControlKind::Line)
            continue;
        const QRect own = widgets[i];
        const QPoint preferred = c.kind == ControlKind::CheckBox
                                     ? QPoint(own.left() + own.height() / 2, own.center().y())
                                     : own.center();
        points.push_back(
            {QString::fromLatin1(c.name),
             freePoint(own, preferred, {widgets.begin() + long(i) + 1, widgets.end()})});
    }
    // The elements shown at the start, each above the ones before it.
    const std::vector<ScreenElement>& elements = elementTable();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        std::vector<QRect> above;
        for (std::size_t j = i + 1; j < elements.size(); ++j)
            if (elements[j].visible)
                above.push_back(pixelRect(elements[j].rect));
        const QRect own = pixelRect(elements[i].rect);
        points.push_back({elements[i].name, freePoint(own, own.center(), above)});
    }
    const QRect title = widgets[std::size_t(ControlId::PanelTitle)];
    int below = std::numeric_limits<int>::max();
    for (const QRect& r : widgets)
        if (r.top() > title.bottom())
            below = std::min(below, r.top());
    const QRect band(QPoint(pixelEdge(NarrowWidth), title.bottom() + 1),
                     QPoint(pixelEdge(WideWidth) - 1, below - 1));
    points.push_back({QStringLiteral("panel-background"), freePoint(band, band.center(), widgets)});
    return points;
}

int scaled(int pixels, double scale) {
    return int(std::floor(pixels * scale + 0.5));
}

} // namespace

int main(int argc, char** argv) {
    double scale = 1;
    int next = 1;
    if (argc >= 3 && QString::fromLocal8Bit(argv[1]) == u"--scale") {
        bool ok = false;
        scale = QString::fromLocal8Bit(argv[2]).toDouble(&ok);
        if (!ok || scale <= 0) {
            std::fprintf(stderr, "control_positions: --scale takes a positive number\n");
            return 2;
        }
        next = 3;
    }
    const std::vector<NamedPoint> points = namedPoints();
    if (argc == 1) {
        bool reached = true;
        for (const NamedPoint& p : points) {
            if (p.point)
                std::printf("%s %d %d\n", qPrintable(p.name), p.point->x(), p.point->y());
            else
                std::fprintf(stderr, "control_positions: nothing of %s can be clicked\n",
                             qPrintable(p.name));
            reached = reached && p.point;
        }
        return reached ? 0 : 1;
    }
    if (argc != next + 1) {
        std::fprintf(stderr, "usage: control_positions [--scale S] [NAME]\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[next]);
    for (const NamedPoint& p : points)
        if (p.name == name && p.point) {
            std::printf("%d %d\n", scaled(p.point->x(), scale), scaled(p.point->y(), scale));
            return 0;
        }
    std::fprintf(stderr, "control_positions: no control, element or point named %s to click\n",
                 qPrintable(name));
    return 1;
}
