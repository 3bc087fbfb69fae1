#include "screen_tests.h"

#include "basic/colour.h"
#include "screen/assets.h"
#include "screen/form.h"
#include "screen/screen_painter.h"
#include "support/fake_platform.h"

#include <QTest>

namespace {

struct Started {
    FakePlatform platform;
    Form form{platform};
    Started() { form.start(); }
};

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// A flat colour that no picture and no default colour uses, to see which element paints a pixel.
constexpr OleColor Marker1 = 0x0000FF00; // green
constexpr OleColor Marker2 = 0x00FF00FF; // magenta

} // namespace

void TestPainting::windowImageSize() {
    Started s;
    const QImage image = renderWindow(s.form);
    QCOMPARE(image.size(), QSize(889, 854));
    // Right of the phone screen the window shows its button-face background.
    QCOMPARE(at(image, 700, 5), toQColor(ButtonFaceColour));
}

void TestPainting::statusLabelsBlendWithBand() {
    Started s;
    const QImage image = renderWindow(s.form);
    const QImage& background = assetImage(Asset::PhoneBackground);
    const QColor lavender(225, 218, 236);
    // Corners of both labels, away from their text: the label's colour, and the picture around
    // it within one level of it.
    for (const QPoint p : {QPoint(374, 7), QPoint(413, 30), QPoint(454, 30), QPoint(517, 7)}) {
        QCOMPARE(at(image, p.x(), p.y()), lavender);
        QVERIFY2(near(background.pixelColor(p), lavender, 1), qPrintable(QString::number(p.x())));
    }
    // Just outside the labels the band itself shows.
    QVERIFY(near(at(image, 371, 7), lavender, 1));
}

void TestPainting::batteryFillShowsNineteenColumns() {
    Started s;
    const QImage image = renderWindow(s.form);
    const QImage& fill = assetImage(Asset::BatteryFill);
    const QImage& background = assetImage(Asset::PhoneBackground);
    for (int y = 13; y < 23; ++y) {
        for (int x = 421; x < 440; ++x)
            QCOMPARE(at(image, x, y), fill.pixelColor(x - 421, y - 13));
        QCOMPARE(at(image, 440, y), background.pixelColor(440, y));
    }
}

void TestPainting::batteryFillWidths_data() {
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("columns");
    QTest::newRow("full") << 315.0 << 21;
    QTest::newRow("beyond the picture stays 21") << 472.0 << 21;
    QTest::newRow("half") << 157.0 << 10;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("negative draws nothing") << -16.0 << 0;
}

void TestPainting::batteryFillWidths() {
    QFETCH(double, twips);
    QFETCH(int, columns);
    Started s;
    s.form.setWidth("Image4", twips);
    const QImage image = renderWindow(s.form);
    const QImage& fill = assetImage(Asset::BatteryFill);
    const QImage& background = assetImage(Asset::PhoneBackground);
    for (int x = 421; x < 421 + 24; ++x) {
        const QColor expected =
            x - 421 < columns ? fill.pixelColor(x - 421, 5) : background.pixelColor(x, 18);
        QCOMPARE(at(image, x, 18), expected);
    }
}

void TestPainting::stackingOrder_data() {
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QPoint>("overlap");
    QTest::newRow("yys over phone2") << "yys"
                                     << "phone2" << QPoint(45, 366);
    QTest::newRow("Label14(0) over md1(0)") << "Label14(0)"
                                            << "md1(0)" << QPoint(360, 480);
    QTest::newRow("md1(1) over Label14(1)") << "md1(1)"
                                            << "Label14(1)" << QPoint(370, 570);
    QTest::newRow("md1(2) over Label14(2)") << "md1(2)"
                                            << "Label14(2)" << QPoint(395, 665);
}

void TestPainting::stackingOrder() {
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QPoint, overlap);
    Started s;
    for (const QString& name : {upper, lower}) {
        s.form.element(name).visible = true;
        s.form.element(name).caption.clear();
    }
    s.form.element(upper).backColor = Marker1;
    s.form.element(lower).backColor = Marker2;
    const QImage image = renderWindow(s.form);
    QCOMPARE(at(image, overlap.x(), overlap.y()), toQColor(Marker1));
}

void TestPainting::pictureBoxAboveWindowlessElements() {
    Started s;
    // Lay the top label of the stack over the row-1 call icon: the picture box still wins.
    ScreenElement& label = s.form.element("phone3(2)");
    label.visible = true;
    label.caption.clear();
    label.backColor = Marker1;
    label.rect = {0, 7400, 7860, 600};
    const QImage image = renderWindow(s.form);
    const QImage& icon = assetImage(Asset::CallIcon);
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 20; ++x)
            QCOMPARE(at(image, 24 + x, 502 + y), icon.pixelColor(x, y));
    QCOMPARE(at(image, 50, 510), toQColor(Marker1));
    // Where both icons of a row are shown, the unanswered-call icon covers the call icon.
    s.form.element("Picture2(0)").visible = true;
    const QImage marked = renderWindow(s.form);
    const QImage& missed = assetImage(Asset::MissedCallIcon);
    QCOMPARE(marked.copy(24, 502, 20, 19), missed.convertToFormat(marked.format()));
}

void TestPainting::hiddenElementsDoNotPaint() {
    Started s;
    const QImage& background = assetImage(Asset::PhoneBackground);
    const QImage image = renderWindow(s.form);
    // Row 2 is hidden at start: its place shows the background picture.
    for (const QPoint p : {QPoint(30, 550), QPoint(100, 600), QPoint(500, 570), QPoint(30, 598)})
        QCOMPARE(at(image, p.x(), p.y()), background.pixelColor(p));
}

void TestPainting::labelWrapsAndClips() {
    Started s;
    ScreenElement& date = s.form.element("md1(0)");
    date.caption = QStringLiteral("10月14日 9:32 ") + QString(40, QChar(u'宽'));
    const QImage image = renderWindow(s.form);
    // The continuation line is cut at the label's bottom edge: below it the next element shows.
    const QImage reference = [&] {
        Started t;
        return renderWindow(t.form);
    }();
    for (int x = 24; x < 360; ++x)
        QCOMPARE(at(image, x, 487), at(reference, x, 487));
    // The label stays opaque white around its text.
    QCOMPARE(at(image, 24, 453), QColor(Qt::white));
}

void TestPainting::bottomBandCoversBackground() {
    Started s;
    s.form.element("Image3").visible = true;
    s.form.setHeight(15225);
    const QImage image = renderWindow(s.form);
    QCOMPARE(image.size(), QSize(889, 1015));
    const QImage& band = assetImage(Asset::BottomBand);
    for (const QPoint p : {QPoint(10, 784), QPoint(260, 800), QPoint(100, 944), QPoint(523, 1014)})
        QCOMPARE(at(image, p.x(), p.y()), band.pixelColor(p.x(), p.y() - 784));
    // Above the band the background is untouched.
    QCOMPARE(at(image, 10, 783), assetImage(Asset::PhoneBackground).pixelColor(10, 783));
}
