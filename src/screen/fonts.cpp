// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace {

const QString SansStandIn = QStringLiteral("Noto Sans CJK SC");
const QString SerifStandIn = QStringLiteral("Noto Serif CJK SC");
const QString LatinStandIn = QStringLiteral("Liberation Sans");

// The CJK faces the definition names, by both of their names, with the stand-in that draws them
// here. SimHei and SimSun lay a line out in one em, with the baseline about 0.86 em below its top
// (220 and 36 units of their 256-unit em above and below it); Noto's CJK faces take about 1.45 em
// for a line, with a much deeper ascent. The Latin faces named need no correction: Liberation Sans
// is metric-compatible with Arial, and Ebrima's stand-in is simply a clear Latin face.
struct CjkFace {
    QStringList names;
    QString standIn;
};
const CjkFace CjkFaces[] = {
    {{QStringLiteral("黑体"), QStringLiteral("SimHei")}, SansStandIn},
    {{QStringLiteral("宋体"), QStringLiteral("SimSun")}, SerifStandIn},
};
constexpr qreal CjkAscentEm = 220.0 / 256.0;
constexpr qreal CjkDescentEm = 36.0 / 256.0;

const CjkFace* cjkFace(const QString& face) {
    for (const CjkFace& f : CjkFaces)
        if (f.names.contains(face))
            return &f;
    return nullptr;
}

// Whether a stand-in draws a CJK face that the font names.
bool drawnByStandIn(const QFont& font) {
    const CjkFace* named = cjkFace(font.family());
    return named && !named->names.contains(QFontInfo(font).family());
}

} // namespace

void installFontSubstitutions() {
    for (const CjkFace& f : CjkFaces)
        for (const QString& name : f.names)
            QFont::insertSubstitutions(name, {f.standIn});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {LatinStandIn, SansStandIn});
    QFont::insertSubstitutions(QStringLiteral("Ebrima"), {LatinStandIn, SansStandIn});
}

QFont toQFont(const FontSpec& spec) {
    QFont font(spec.face);
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 96.0 / 72.0)));
    font.setWeight(spec.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

LineMetrics namedFaceLineMetrics(const QFont& font, const QPaintDevice* device) {
    if (drawnByStandIn(font)) {
        // A baseline on a whole pixel, as the named face's own hinted metrics put it (between two
        // pixel rows it would blur every horizontal stroke), and rather a little low than high:
        // the stand-in's ideographs reach a fiftieth of an em higher than the named face's.
        const qreal em = font.pixelSize();
        const qreal ascent = std::ceil(em * CjkAscentEm);
        return {ascent, em - ascent, 0};
    }
    const QFontMetricsF metrics(font, device);
    return {metrics.ascent(), metrics.descent(), metrics.leading()};
}

QChar namedFaceBlank(const QFont& font) {
    return drawnByStandIn(font) ? QChar(0x2002) : QChar(u' ');
}
