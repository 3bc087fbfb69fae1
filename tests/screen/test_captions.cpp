// SPDX-License-Identifier: MIT
#include "support/run_tests.h"
#include <QObject>
// Where the captions' ink lies. Each caption is drawn unclipped on a canvas larger than its label,
// so that whatever the label's clipping would cut off shows up outside the label's rectangle.

#include "form/form.h"
#include "records/row_table.h"
#include "screen/caption_layout.h"
#include "screen/fonts.h"
#include "screen/screen_painter.h"
#include "support/row_invariants.h"
#include "support/started_form.h"

#include <QPainter>
#include <QTest>

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void defaultCaptionInsideItsLabel_data();
    void defaultCaptionInsideItsLabel();
    void wordWiderThanItsLabelBreaks_data();
    void wordWiderThanItsLabelBreaks();
    void hugeCaptionShowsWhatItsStartShows_data();
    void hugeCaptionShowsWhatItsStartShows();
    void blankIsAsWideAsTheNamedFaces_data();
    void blankIsAsWideAsTheNamedFaces();
};

namespace {

constexpr int Margin = 60;

// The label's caption in black on white, unclipped; the label's rectangle lies at (Margin, Margin).
QImage drawnUnclipped(const ScreenElement& element, const QString& caption) {
    const QRect area(QPoint(Margin, Margin), pixelRect(element.rect).size());
    QImage canvas(area.size() + QSize(2 * Margin, 2 * Margin), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setPen(Qt::black);
    drawCaption(painter, area, caption, toQFont(element.font), element.alignment);
    return canvas;
}

QRect labelArea(const ScreenElement& element) {
    return QRect(QPoint(Margin, Margin), pixelRect(element.rect).size());
}

// The smallest rectangle that holds every pixel darker than the faintest edge of a glyph, within
// the rows from top to bottom.
QRect inkBox(const QImage& image, int top, int bottom) {
    QRect box;
    for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 224)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

void TestCaptions::defaultCaptionInsideItsLabel_data() {
    QTest::addColumn<ElementId>("name");
    // How far below the label's top the ink may start: a CJK caption starts at its top, as a
    // phone's list does; Arial leaves the room above its capitals that the face has, Ebrima the
    // deeper room of its taller line, which sets the status bar's digits level with its icons.
    QTest::addColumn<int>("topGap");
    QTest::newRow("battery") << ElementId::BatteryText << 6;
    QTest::newRow("clock") << ElementId::ClockText << 6;
    QTest::newRow("large number") << ElementId::NumberLarge << 10;
    QTest::newRow("number line") << ElementId::NumberLine << 6;
    QTest::newRow("location") << ElementId::Location << 3;
    for (const RecordRow& row : recordRows) {
        QTest::addRow("date and time %d", rowIndex(row) + 1) << row.elements.dateTime << 3;
        QTest::addRow("number %d", rowIndex(row) + 1) << row.elements.number << 6;
        QTest::addRow("duration %d", rowIndex(row) + 1) << row.elements.duration << 3;
    }
}

void TestCaptions::defaultCaptionInsideItsLabel() {
    QFETCH(ElementId, name);
    QFETCH(int, topGap);
    StartedForm s;
    const ScreenElement& element = s.form.element(name);
    const QImage canvas = drawnUnclipped(element, element.caption);
    const QRect area = labelArea(element);
    const QRect ink = inkBox(canvas, 0, canvas.height() - 1);
    QVERIFY2(area.contains(ink), qPrintable(QStringLiteral("ink at %1,%2 to %3,%4 in %5x%6")
                                                .arg(ink.left() - Margin)
                                                .arg(ink.top() - Margin)
                                                .arg(ink.right() - Margin)
                                                .arg(ink.bottom() - Margin)
                                                .arg(area.width())
                                                .arg(area.height())));
    QVERIFY2(ink.top() - area.top() <= topGap, qPrintable(QString::number(ink.top() - area.top())));
}

void TestCaptions::wordWiderThanItsLabelBreaks_data() {
    QTest::addColumn<ElementId>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("number with its country code, left")
        << ElementId::Row1Number << "+8613800138000";
    QTest::newRow("long number, centred") << ElementId::NumberLarge << "861380013800012345";
    QTest::newRow("long duration, right") << ElementId::Row2Duration << "12345678901234秒";
}

// Within the label's height, every line lies between its sides: the first line starts with the
// caption's beginning, and no glyph is cut at either side.
void TestCaptions::wordWiderThanItsLabelBreaks() {
    QFETCH(ElementId, name);
    QFETCH(QString, caption);
    StartedForm s;
    const ScreenElement& element = s.form.element(name);
    const QImage canvas = drawnUnclipped(element, caption);
    const QRect area = labelArea(element);
    const QRect ink = inkBox(canvas, area.top(), area.bottom());
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.left() >= area.left() && ink.right() <= area.right(),
             qPrintable(QStringLiteral("ink from %1 to %2 in a label %3 wide")
                            .arg(ink.left() - Margin)
                            .arg(ink.right() - Margin)
                            .arg(area.width())));
    // The caption does not fit one line, so the first one is filled to within a glyph of a side.
    QVERIFY(ink.width() > area.width() - 30);
}

// A caption pasted megabytes long draws exactly what its first few thousand characters draw, which
// already overflow the label: what lies beyond cannot show, so the drawing need not read it.
void TestCaptions::hugeCaptionShowsWhatItsStartShows_data() {
    QTest::addColumn<ElementId>("name");
    QTest::addColumn<QString>("start");
    QTest::newRow("words, centred")
        << ElementId::NumberLarge << QStringLiteral("138 0013 8000 ").repeated(150);
    QTest::newRow("one word, left") << ElementId::Location << QString(2000, u'8');
    QTest::newRow("lines, right") << ElementId::Row1Duration
                                  << QStringLiteral("广州 移动\n").repeated(300);
}

void TestCaptions::hugeCaptionShowsWhatItsStartShows() {
    QFETCH(ElementId, name);
    QFETCH(QString, start);
    StartedForm s;
    const ScreenElement& element = s.form.element(name);
    const QString huge = start + QStringLiteral("移动 1380013800\n").repeated(300000);
    QCOMPARE(drawnUnclipped(element, huge), drawnUnclipped(element, start));
}

void TestCaptions::blankIsAsWideAsTheNamedFaces_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("before"); // the words on either side of the blank
    QTest::addColumn<QString>("after");
    QTest::addColumn<double>("blank"); // how far the blank moves what follows it, in pixels
    QTest::newRow("location, 黑体 20 px") << "黑体" << 15.0 << 400 << "广东湛江"
                                          << "移动" << 10.0;
    QTest::newRow("row time, bold 黑体 29 px") << "黑体" << 21.75 << 700 << "10月14日"
                                               << "9:32" << 14.5;
    QTest::newRow("宋体 16 px") << "宋体" << 12.0 << 400 << "设置"
                                << "说明" << 8.0;
    // A Latin face's blank is its own (Liberation Sans draws Arial's, a quarter em and a bit).
    QTest::newRow("Arial 24 px") << "Arial" << 18.0 << 400 << "138"
                                 << "0013" << 24 * 0.2778;
}

// A blank is as wide as the named face draws it, also where a stand-in with a narrower blank
// draws the glyphs: what follows it moves that far to the right.
void TestCaptions::blankIsAsWideAsTheNamedFaces() {
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(int, weight);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(double, blank);
    const QFont font = toQFont({face, points, weight, 134});
    const auto inkLeftOfAfter = [&](const QString& caption) {
        QImage canvas(400, 80, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            painter.setPen(Qt::black);
            drawCaption(painter, QRect(10, 10, 380, 60), caption, font, Alignment::Right);
        }
        // Right-aligned, the words after the blank stay where they are; the ink before it moves.
        return inkBox(canvas, 0, canvas.height() - 1).left();
    };
    const int together = inkLeftOfAfter(before + after);
    const int apart = inkLeftOfAfter(before + QStringLiteral(" ") + after);
    QVERIFY2(std::abs(together - apart - blank) <= 0.5 + 1e-9,
             qPrintable(QStringLiteral("%1 px").arg(together - apart)));
}

VOKARELO_TEST_MAIN(TestCaptions)
#include "test_captions.moc"
