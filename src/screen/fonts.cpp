// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

const QString SansStandIn = QStringLiteral("Noto Sans CJK SC");
const QString SerifStandIn = QStringLiteral("Noto Serif CJK SC");
const QString LatinStandIn = QStringLiteral("Liberation Sans");

// The faces the definition names whose stand-ins here lay a line out differently, by every name
// they go by, with the faces that draw them here, first choice first, and the named face's own
// line: its baseline `ascentEm` below the top of the line, its bottom `descentEm` below the
// baseline.
// SimHei and SimSun lay a line out in one em, with the baseline about 0.86 em below its top (220
// and 36 units of their 256-unit em above and below it); Noto's CJK faces take about 1.45 em for a
// line, with a much deeper ascent. Ebrima has the line of Segoe UI, whose companion it is: 2210 and
// 514 units of a 2048-unit em, a baseline 1.08 em below the top where Liberation Sans puts it at
// 0.9 em, so that the stand-in's digits would sit 3 pixels above the status icons they stand
// beside. Liberation Sans needs no correction for Arial, with which it is metric-compatible.
struct NamedFace {
    QStringList names;
    QStringList standIns;
    qreal ascentEm;
    qreal descentEm;
    bool halfEmBlank;
};
constexpr qreal CjkAscentEm = 220.0 / 256.0;
constexpr qreal CjkDescentEm = 36.0 / 256.0;
const NamedFace NamedFaces[] = {
    {{QStringLiteral("黑体"), QStringLiteral("SimHei")},
     {SansStandIn},
     CjkAscentEm,
     CjkDescentEm,
     true},
    {{QStringLiteral("宋体"), QStringLiteral("SimSun")},
     {SerifStandIn},
     CjkAscentEm,
     CjkDescentEm,
     true},
    {{QStringLiteral("Ebrima")},
     {LatinStandIn, SansStandIn},
     2210.0 / 2048.0,
     514.0 / 2048.0,
     false},
};

const NamedFace* namedFace(const QString& face) {
    for (const NamedFace& f : NamedFaces)
        if (f.names.contains(face))
            return &f;
    return nullptr;
}

// Whether the machine has the face, by the families Qt has read from the font configuration
// anyway: asking Qt whether it has a family has the configuration match the name against all of
// its rules, as costly as loading a face.
bool installed(const QString& face) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(face, Qt::CaseInsensitive);
}

// Whether the machine has the face by any of its names; a named face the definition does not
// correct for, by its own.
bool installedByAnyName(const QString& face) {
    const NamedFace* named = namedFace(face);
    const QStringList names = named ? named->names : QStringList{face};
    return std::any_of(names.begin(), names.end(), installed);
}

// The named face whose line the font keeps, where a stand-in draws the glyphs: a face the machine
// lacks. Its font names it last, after the stand-ins (toQFont).
const NamedFace* drawnByStandIn(const QFont& font) {
    const QStringList families = font.families();
    const NamedFace* named = nullptr;
    for (auto family = families.rbegin(); !named && family != families.rend(); ++family)
        named = namedFace(*family);
    return named && !installedByAnyName(named->names.first()) ? named : nullptr;
}

} // namespace

void installFontSubstitutions() {
    for (const NamedFace& f : NamedFaces)
        for (const QString& name : f.names)
            QFont::insertSubstitutions(name, f.standIns);
    QFont::insertSubstitutions(QStringLiteral("Arial"), {LatinStandIn, SansStandIn});
}

QFont toQFont(const FontSpec& spec) {
    QFont font(spec.face);
    // A face the machine lacks is asked for by its stand-ins, and named last: Qt would look for the
    // face itself first, and failing that ask the font configuration what stands in for it,
    // sorting every face on the machine each time, before it tried the stand-ins given here.
    if (const QStringList standIns = QFont::substitutes(spec.face);
        !standIns.isEmpty() && !installedByAnyName(spec.face))
        font.setFamilies(standIns + QStringList{spec.face});
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 96.0 / 72.0)));
    font.setWeight(spec.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

LineMetrics namedFaceLineMetrics(const QFont& font, const QPaintDevice* device) {
    if (const NamedFace* named = drawnByStandIn(font)) {
        // A baseline on a whole pixel, as the named face's own hinted metrics put it (between two
        // pixel rows it would blur every horizontal stroke), and rather a little low than high:
        // the CJK stand-ins' ideographs reach a fiftieth of an em higher than the named faces',
        // and hinted metrics round the ascent up.
        const qreal em = font.pixelSize();
        const qreal ascent = std::ceil(em * named->ascentEm);
        return {ascent, em * (named->ascentEm + named->descentEm) - ascent, 0};
    }
    const QFontMetricsF metrics(font, device);
    return {metrics.ascent(), metrics.descent(), metrics.leading()};
}

QChar namedFaceBlank(const QFont& font) {
    const NamedFace* named = drawnByStandIn(font);
    return named && named->halfEmBlank ? QChar(0x2002) : QChar(u' ');
}
