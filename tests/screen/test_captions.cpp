// Where the captions' ink lies. Each caption is drawn unclipped on a canvas larger than its label,
// so that whatever the label's clipping would cut off shows up outside the label's rectangle.

#include "screen_tests.h"

#include "screen/caption_layout.h"
#include "screen/fonts.h"
#include "screen/form.h"
#include "screen/screen_painter.h"
#include "support/fake_platform.h"

#include <QPainter>
#include <QTest>

namespace {

constexpr int Margin = 60;

struct Started {
    FakePlatform platform;
    Form form{platform};
    Started() { form.start(); }
};

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
    QTest::addColumn<QString>("name");
    // How far below the label's top the ink may start: a CJK caption starts at its top, as a
    // phone's list does; Arial leaves the room above its capitals that the face has.
    QTest::addColumn<int>("topGap");
    QTest::newRow("battery") << "Label15" << 4;
    QTest::newRow("clock") << "Label17" << 4;
    QTest::newRow("large number") << "phone1" << 10;
    QTest::newRow("number line") << "phone2" << 6;
    QTest::newRow("location") << "yys" << 3;
    for (int row = 0; row < 3; ++row) {
        const auto name = [row](const char* array) {
            return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(row);
        };
        QTest::addRow("date and time %d", row + 1) << name("md1") << 3;
        QTest::addRow("number %d", row + 1) << name("phone3") << 6;
        QTest::addRow("duration %d", row + 1) << name("Label14") << 3;
    }
}

void TestCaptions::defaultCaptionInsideItsLabel() {
    QFETCH(QString, name);
    QFETCH(int, topGap);
    Started s;
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
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("number with its country code, left") << "phone3(0)"
                                                        << "+8613800138000";
    QTest::newRow("long number, centred") << "phone1"
                                          << "861380013800012345";
    QTest::newRow("long duration, right") << "Label14(1)"
                                          << "12345678901234秒";
}

// Within the label's height, every line lies between its sides: the first line starts with the
// caption's beginning, and no glyph is cut at either side.
void TestCaptions::wordWiderThanItsLabelBreaks() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Started s;
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
