// SPDX-License-Identifier: MIT
#include "caption_layout.h"

#include "fonts.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

// Line breaks as a label shows them: a line feed starts a new line, a carriage return is a blank;
// a blank is as wide as the named face draws it.
QString captionText(QString caption, QChar blank) {
    for (QChar& c : caption) {
        if (c == u'\n')
            c = QChar::LineSeparator;
        else if (c == u'\r' || c == u' ')
            c = blank;
    }
    return caption;
}

// The caption's start that can reach the area: no line holds more characters than eight to a pixel
// of the area's width (only glyphs of no width are narrower), and lines below the area's bottom
// are never laid out. Two lines more keep the breaks of the last shown line as the whole caption
// has them. A caption pasted a million characters long is thus laid out for what shows of it.
QString visiblePart(const QString& caption, const QRect& area, qreal lineHeight) {
    const qsizetype lines =
        qsizetype(std::ceil(area.height() / std::max<qreal>(lineHeight, 1))) + 2;
    const qsizetype perLine = qsizetype(std::max(area.width(), 0)) * 8 + 64;
    qsizetype length = lines * perLine;
    if (caption.size() <= length)
        return caption;
    if (caption[length - 1].isHighSurrogate())
        --length;
    return caption.first(length);
}

} // namespace

void drawCaption(QPainter& painter, const QRect& area, const QString& caption, const QFont& shown,
                 Alignment alignment) {
    // A finer screen draws the outlines as they are, as phones do. Hinted, Qt would draw a large
    // glyph from outlines fitted to whichever size of the face was last used, and the same
    // caption would come out a little different from one drawing to the next.
    QFont font = shown;
    if (painter.device()->devicePixelRatioF() != 1)
        font.setHintingPreference(QFont::PreferNoHinting);
    const LineMetrics metrics = namedFaceLineMetrics(font, painter.device());
    const qreal lineHeight = std::ceil(metrics.ascent + metrics.descent + metrics.leading);
    QTextLayout layout(captionText(visiblePart(caption, area, lineHeight), namedFaceBlank(font)),
                       font, painter.device());
    QTextOption option;
    // A word wider than the label breaks too, so every line starts where the caption's text does
    // and nothing shows a glyph cut in half at its sides.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);

    layout.beginLayout();
    qreal lineTop = 0;
    while (lineTop < area.height()) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(area.width());
        // The glyphs come from the face that draws them; the baseline from the face that is named,
        // on a whole window pixel, so that a finer screen puts it where an ordinary one does.
        line.setPosition(QPointF(0, std::round(lineTop + metrics.ascent) - line.ascent()));
        // The next line starts on a whole pixel, so that its strokes stay as sharp as the first's.
        lineTop = std::ceil(lineTop + metrics.ascent + metrics.descent + metrics.leading);
    }
    layout.endLayout();

    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        qreal offset = 0;
        if (alignment == Alignment::Right)
            offset = area.width() - line.horizontalAdvance();
        else if (alignment == Alignment::Centre)
            offset = (area.width() - line.horizontalAdvance()) / 2;
        line.draw(&painter, QPointF(area.left() + offset, area.top()));
    }
}
