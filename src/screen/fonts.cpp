#include "fonts.h"

#include <cmath>

void installFontSubstitutions() {
    const QString sans = QStringLiteral("Noto Sans CJK SC");
    const QString serif = QStringLiteral("Noto Serif CJK SC");
    const QString latin = QStringLiteral("Liberation Sans");
    QFont::insertSubstitutions(QStringLiteral("黑体"), {sans});
    QFont::insertSubstitutions(QStringLiteral("SimHei"), {sans});
    QFont::insertSubstitutions(QStringLiteral("宋体"), {serif});
    QFont::insertSubstitutions(QStringLiteral("SimSun"), {serif});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {latin, sans});
    QFont::insertSubstitutions(QStringLiteral("Ebrima"), {latin, sans});
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
