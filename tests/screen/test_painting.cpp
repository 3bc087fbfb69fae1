// SPDX-License-Identifier: MIT
#include "support/run_tests.h"
#include <QObject>

#include "basic/colour.h"
#include "basic/twips.h"
#include "form/form.h"
#include "screen/assets.h"
#include "screen/screen_painter.h"
#include "support/started_form.h"

#include <QTest>

class TestPainting : public QObject {
    Q_OBJECT

private slots:
    void windowImageSize();
    void statusLabelsBlendWithBand();
    void batteryFillShowsNineteenColumns();
    void batteryFillWidths_data();
    void batteryFillWidths();
    void stackingOrder_data();
    void stackingOrder();
    void pictureBoxAboveWindowlessElements();
    void hiddenElementsDoNotPaint();
    void labelWrapsAndClips();
    void bottomBandCoversBackground();
    void finerScreenDrawsFinerPictures_data();
    void finerScreenDrawsFinerPictures();
    void phoneWidthIsSharp_data();
    void phoneWidthIsSharp();
    void statusCaptionsCentredOnIcons_data();
    void statusCaptionsCentredOnIcons();
    void leftPartIsTheWindowsLeftColumns_data();
    void leftPartIsTheWindowsLeftColumns();
};

namespace {

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The mean channel difference of the 16-pixel tile where two pictures of one size differ most,
// leaving out the pixels inside the rectangles given.
double worstTileDifference(const QImage& a, const QImage& b, const QList<QRect>& leftOut) {
    double worst = 0;
    for (int top = 0; top < a.height(); top += 16)
        for (int left = 0; left < a.width(); left += 16) {
            long sum = 0;
            int count = 0;
            for (int y = top; y < std::min(top + 16, a.height()); ++y)
                for (int x = left; x < std::min(left + 16, a.width()); ++x) {
                    if (std::any_of(leftOut.begin(), leftOut.end(),
                                    [&](const QRect& r) { return r.contains(x, y); }))
                        continue;
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                           std::abs(qBlue(p) - qBlue(q));
                    count += 3;
                }
            if (count > 0)
                worst = std::max(worst, double(sum) / count);
        }
    return worst;
}

// Where a label's caption has ink: the pixels of its rectangle far from its background.
QRect inkIn(const QImage& image, const QRect& area, QRgb background) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (channelDistance(image.pixel(x, y), background) > 96)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The rows from the first to the last where some pixel of the area, but none of the areas left out,
// lies far from the colour given; empty where there is none.
QRect inkRows(const QImage& image, const QRect& area, QRgb background,
              const QList<QRect>& leftOut = {}) {
    QRect rows;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (std::any_of(leftOut.begin(), leftOut.end(),
                            [&](const QRect& r) { return r.contains(x, y); }))
                continue;
            if (channelDistance(image.pixel(x, y), background) > 96)
                rows |= QRect(area.left(), y, 1, 1);
        }
    return rows;
}

qreal middle(const QRect& rows) {
    return rows.top() + rows.height() / 2.0;
}

// A flat colour that no picture and no default colour uses, to see which element paints a pixel.
constexpr PackedColour Marker1 = 0x0000FF00; // green
constexpr PackedColour Marker2 = 0x00FF00FF; // magenta

} // namespace

void TestPainting::windowImageSize() {
    StartedForm s;
    const QImage image = renderWindow(s.form);
    QCOMPARE(image.size(), QSize(889, 854));
    // Right of the phone screen the window shows its button-face background.
    QCOMPARE(at(image, 700, 5), toQColor(ButtonFaceColour));
}

void TestPainting::statusLabelsBlendWithBand() {
    StartedForm s;
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
    StartedForm s;
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
    StartedForm s;
    s.form.setWidth(ElementId::BatteryFill, twips);
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
    QTest::addColumn<ElementId>("upper");
    QTest::addColumn<ElementId>("lower");
    QTest::addColumn<QPoint>("overlap");
    QTest::newRow("yys over phone2")
        << ElementId::Location << ElementId::NumberLine << QPoint(45, 366);
    QTest::newRow("Label14(0) over md1(0)")
        << ElementId::Row1Duration << ElementId::Row1DateTime << QPoint(360, 480);
    QTest::newRow("md1(1) over Label14(1)")
        << ElementId::Row2DateTime << ElementId::Row2Duration << QPoint(370, 570);
    QTest::newRow("md1(2) over Label14(2)")
        << ElementId::Row3DateTime << ElementId::Row3Duration << QPoint(395, 665);
}

void TestPainting::stackingOrder() {
    QFETCH(ElementId, upper);
    QFETCH(ElementId, lower);
    QFETCH(QPoint, overlap);
    StartedForm s;
    for (const ElementId name : {upper, lower}) {
        s.form.element(name).visible = true;
        s.form.element(name).caption.clear();
    }
    s.form.element(upper).backColor = Marker1;
    s.form.element(lower).backColor = Marker2;
    const QImage image = renderWindow(s.form);
    QCOMPARE(at(image, overlap.x(), overlap.y()), toQColor(Marker1));
}

void TestPainting::pictureBoxAboveWindowlessElements() {
    StartedForm s;
    // Lay the top label of the stack over the row-1 call icon: the picture box still wins.
    ScreenElement& label = s.form.element(ElementId::Row3Number);
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
    s.form.element(ElementId::Row1MissedIcon).visible = true;
    const QImage marked = renderWindow(s.form);
    const QImage& missed = assetImage(Asset::MissedCallIcon);
    QCOMPARE(marked.copy(24, 502, 20, 19), missed.convertToFormat(marked.format()));
}

void TestPainting::hiddenElementsDoNotPaint() {
    StartedForm s;
    const QImage& background = assetImage(Asset::PhoneBackground);
    const QImage image = renderWindow(s.form);
    // Row 2 is hidden at start: its place shows the background picture.
    for (const QPoint p : {QPoint(30, 550), QPoint(100, 600), QPoint(500, 570), QPoint(30, 598)})
        QCOMPARE(at(image, p.x(), p.y()), background.pixelColor(p));
}

void TestPainting::labelWrapsAndClips() {
    StartedForm s;
    ScreenElement& date = s.form.element(ElementId::Row1DateTime);
    date.caption = QStringLiteral("10月14日 9:32 ") + QString(40, QChar(u'宽'));
    const QImage image = renderWindow(s.form);
    // The continuation line is cut at the label's bottom edge: below it the next element shows.
    const QImage reference = [&] {
        StartedForm t;
        return renderWindow(t.form);
    }();
    for (int x = 24; x < 360; ++x)
        QCOMPARE(at(image, x, 487), at(reference, x, 487));
    // The label stays opaque white around its text.
    QCOMPARE(at(image, 24, 453), QColor(Qt::white));
}

void TestPainting::bottomBandCoversBackground() {
    StartedForm s;
    s.form.element(ElementId::BottomBand).visible = true;
    s.form.setHeight(15225);
    const QImage image = renderWindow(s.form);
    QCOMPARE(image.size(), QSize(889, 1015));
    const QImage& band = assetImage(Asset::BottomBand);
    for (const QPoint p : {QPoint(10, 784), QPoint(260, 800), QPoint(100, 944), QPoint(523, 1014)})
        QCOMPARE(at(image, p.x(), p.y()), band.pixelColor(p.x(), p.y() - 784));
    // Above the band the background is untouched.
    QCOMPARE(at(image, 10, 783), assetImage(Asset::PhoneBackground).pixelColor(10, 783));
}

void TestPainting::finerScreenDrawsFinerPictures_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("2x") << 2;
    QTest::newRow("3x") << 3;
}

// On a screen of s device pixels to the pixel the window is s times finer: every picture is the
// one drawn for that density, copied pixel for pixel, and the whole, brought back to window
// pixels, is the picture of an ordinary screen.
void TestPainting::finerScreenDrawsFinerPictures() {
    QFETCH(int, scale);
    StartedForm s;
    s.form.click(ControlId::Row1MissedBox);
    const QImage fine = renderWindow(s.form, scale);
    QCOMPARE(fine.size(), QSize(889, 854) * scale);
    QCOMPARE(fine.devicePixelRatio(), qreal(scale));

    const struct {
        Asset asset;
        QRect where; // window pixels
        QPoint from; // in the picture, window pixels
    } pictures[] = {
        {Asset::PhoneBackground, QRect(190, 96, 140, 150), QPoint(190, 96)}, // the avatar
        {Asset::BatteryFill, QRect(421, 13, 19, 10), QPoint(0, 0)},
        {Asset::MissedCallIcon, QRect(24, 502, 20, 19), QPoint(0, 0)},
    };
    for (const auto& p : pictures) {
        const QImage picture = assetImage(p.asset, scale);
        QCOMPARE(picture.size(), assetImage(p.asset).size() * scale);
        const QImage expected = picture.copy(QRect(p.from * scale, p.where.size() * scale))
                                    .convertToFormat(fine.format());
        QImage shown = fine.copy(QRect(p.where.topLeft() * scale, p.where.size() * scale));
        shown.setDevicePixelRatio(expected.devicePixelRatio());
        QCOMPARE(shown, expected);
    }

    // Brought back to window pixels, it is an ordinary screen's picture: every picture in its
    // place and every caption's ink within a pixel of where it lies there. The glyphs' edges
    // differ, drawn finer and without hinting, so the labels are compared by where their ink is.
    const QImage ordinary = renderWindow(s.form);
    const QImage brought =
        fine.scaled(ordinary.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QList<QRect> labels;
    for (const ScreenElement& e : s.form.elements()) {
        if (!e.visible || e.kind != ElementKind::Label)
            continue;
        const QRect area = pixelRect(e.rect);
        labels.append(area);
        const QRgb background = toQColor(e.backColor).rgb();
        const QRect there = inkIn(ordinary, area, background);
        const QRect here = inkIn(brought, area, background);
        QVERIFY2(std::abs(here.left() - there.left()) <= 1 &&
                     std::abs(here.top() - there.top()) <= 1 &&
                     std::abs(here.right() - there.right()) <= 1 &&
                     std::abs(here.bottom() - there.bottom()) <= 1,
                 qPrintable(e.name));
    }
    QVERIFY(worstTileDifference(brought, ordinary, labels) <= 10);
}

void TestPainting::phoneWidthIsSharp_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("from"); // the scale of the pictures scaled down
    QTest::newRow("1080 across") << 1080.0 / 524 << QSize(1832, 1760) << 3;
    QTest::newRow("a laptop at 1.5") << 1.5 << QSize(1334, 1281) << 2;
    QTest::newRow("1440 across") << 1440.0 / 524 << QSize(2443, 2347) << 3;
}

// Between two scales of the pictures (a phone's own width, a laptop's 1.5) every edge lies on a
// whole device pixel: a label's background and the battery fill's end are a step from one column
// to the next, never a blurred band, and each picture is the next finer one scaled down once,
// copied pixel for pixel.
void TestPainting::phoneWidthIsSharp() {
    QFETCH(qreal, ratio);
    QFETCH(QSize, size);
    QFETCH(int, from);
    StartedForm s;
    s.form.element(ElementId::BatteryText).backColor = Marker1;
    s.form.element(ElementId::ClockText).backColor = Marker2;
    const QImage image = renderWindow(s.form, ratio);
    QCOMPARE(image.size(), size);
    const auto device = [&](int windowPixels) { return qRound(windowPixels * ratio); };

    // Across each edge of the labels: the label's colour inside, none of it outside.
    for (const ElementId id : {ElementId::BatteryText, ElementId::ClockText}) {
        const ScreenElement& label = s.form.element(id);
        const QColor colour = toQColor(label.backColor);
        const QRect area = pixelRect(label.rect);
        const QRect inside(QPoint(device(area.left()), device(area.top())),
                           QPoint(device(area.right() + 1) - 1, device(area.bottom() + 1) - 1));
        // The top right corner, clear of the caption's ink.
        const QPoint corner = inside.topRight() + QPoint(-1, 1);
        for (int x = inside.left() - 3; x <= inside.right() + 3; ++x) {
            const bool in = x >= inside.left() && x <= inside.right();
            QVERIFY2((at(image, x, corner.y()) == colour) == in, qPrintable(label.name));
        }
        for (int y = std::max(0, inside.top() - 3); y <= inside.bottom() + 3; ++y) {
            const bool in = y >= inside.top() && y <= inside.bottom();
            QVERIFY2((at(image, corner.x(), y) == colour) == in, qPrintable(label.name));
        }
    }

    // Each picture is the next finer one scaled down with an averaging filter, and shows unchanged
    // in its place: the battery fill ends where its element does, then the band shows.
    const QImage& background = assetImageAt(Asset::PhoneBackground, ratio);
    const QImage& fill = assetImageAt(Asset::BatteryFill, ratio);
    for (const Asset asset : {Asset::PhoneBackground, Asset::BatteryFill}) {
        const QSize windowSize = assetImage(asset).size();
        QImage expected =
            assetImage(asset, from)
                .scaled(qRound(windowSize.width() * ratio), qRound(windowSize.height() * ratio),
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        expected.setDevicePixelRatio(ratio);
        QCOMPARE(assetImageAt(asset, ratio), expected);
    }
    const QRect fillArea = pixelRect(s.form.element(ElementId::BatteryFill).rect);
    const QPoint fillOrigin(device(fillArea.left()), device(fillArea.top()));
    const int fillEnd = device(fillArea.right() + 1);
    for (int y = fillOrigin.y(); y < device(fillArea.bottom() + 1); ++y)
        for (int x = fillOrigin.x(); x < fillEnd + 3; ++x) {
            const QColor expected = x < fillEnd
                                        ? fill.pixelColor(x - fillOrigin.x(), y - fillOrigin.y())
                                        : background.pixelColor(x, y);
            QVERIFY2(at(image, x, y) == expected,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
}

void TestPainting::statusCaptionsCentredOnIcons_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("battery");
    QTest::addColumn<QString>("clock");
    const struct {
        const char* name;
        qreal ratio;
    } screens[] = {
        {"1x", 1},
        {"a laptop at 1.5", 1.5},
        {"2x", 2},
        {"3x", 3},
        {"786 across", 786.0 / 524},
        {"1080 across", 1080.0 / 524},
        {"1440 across", 1440.0 / 524},
    };
    for (const auto& screen : screens) {
        QTest::addRow("%s, start", screen.name) << screen.ratio << "91%"
                                                << "15:17";
        QTest::addRow("%s, full", screen.name) << screen.ratio << "100%"
                                               << "9:05";
    }
}

// The percentage and the clock stand beside the status icons of the background picture (alarm,
// Bluetooth, battery) as a phone draws them: their digits' middle level with the icons' middle,
// within a window pixel, at every density, and whole inside their labels.
void TestPainting::statusCaptionsCentredOnIcons() {
    QFETCH(qreal, ratio);
    QFETCH(QString, battery);
    QFETCH(QString, clock);
    StartedForm s;
    s.form.element(ElementId::BatteryText).caption = battery;
    s.form.element(ElementId::ClockText).caption = clock;
    const QImage image = renderWindow(s.form, ratio);
    const auto device = [&](const QRect& r) {
        return QRect(
            QPoint(qRound(r.left() * ratio), qRound(r.top() * ratio)),
            QPoint(qRound((r.right() + 1) * ratio) - 1, qRound((r.bottom() + 1) * ratio) - 1));
    };
    const QList<ElementId> captions = {ElementId::BatteryText, ElementId::ClockText};
    QList<QRect> labels;
    for (const ElementId id : captions)
        labels.append(device(pixelRect(s.form.element(id).rect)));

    // The icons: the ink of the band's right half beside the labels, in the labels' rows. The
    // labels have the band's colour.
    const QRgb band = toQColor(s.form.element(ElementId::BatteryText).backColor).rgb();
    const QRect screen = pixelRect(s.form.element(ElementId::Background).rect);
    const QRect status = pixelRect(s.form.element(ElementId::BatteryText).rect);
    const QRect beside = device(
        QRect(QPoint(screen.center().x(), status.top()), QPoint(screen.right(), status.bottom())));
    const QRect icons = inkRows(image, beside, band, labels);
    QVERIFY(icons.height() > 10 * ratio);

    for (int i = 0; i < captions.size(); ++i) {
        const ScreenElement& label = s.form.element(captions[i]);
        const QRect ink = inkRows(image, labels[i], toQColor(label.backColor).rgb());
        const QString where =
            QStringLiteral("%1: ink in rows %2 to %3 of the label's %4 to %5, icons %6 to %7")
                .arg(label.name)
                .arg(ink.top())
                .arg(ink.bottom())
                .arg(labels[i].top())
                .arg(labels[i].bottom())
                .arg(icons.top())
                .arg(icons.bottom());
        QVERIFY2(ink.top() > labels[i].top() && ink.bottom() < labels[i].bottom(),
                 qPrintable(where));
        QVERIFY2(std::abs(middle(ink) - middle(icons)) <= ratio, qPrintable(where));
    }
}

// The left part of the window, drawn only that far, is pixel for pixel the whole window's left
// columns: at every density, with the band lengthening it, and whole when the window is narrower.
void TestPainting::leftPartIsTheWindowsLeftColumns_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("lengthened");
    QTest::addColumn<double>("width"); // twips
    for (const qreal ratio : {1.0, 1.25, 2.0, 3.0}) {
        const QByteArray name = QByteArray::number(ratio);
        QTest::newRow(name + ", phone screen") << ratio << false << 7860.0;
        QTest::newRow(name + ", lengthened") << ratio << true << 7860.0;
        QTest::newRow(name + ", wider than the window") << ratio << false << 20000.0;
    }
}

void TestPainting::leftPartIsTheWindowsLeftColumns() {
    QFETCH(qreal, ratio);
    QFETCH(bool, lengthened);
    QFETCH(double, width);
    StartedForm s;
    if (lengthened)
        s.form.click(ControlId::LengthenLabel);
    const QImage whole = renderWindow(s.form, ratio);
    const QImage left = renderWindowLeft(s.form, width, ratio);
    const int columns = std::min(whole.width(), qRound(pixelEdge(width) * ratio));
    QCOMPARE(left.size(), QSize(columns, whole.height()));
    QCOMPARE(left.devicePixelRatio(), ratio);
    QCOMPARE(left, whole.copy(0, 0, columns, whole.height()));
}

VOKARELO_TEST_MAIN(TestPainting)
#include "test_painting.moc"
