// SPDX-License-Identifier: MIT
// The pictures in assets/ as the program relies on them: where it lays its own labels and
// pictures, the drawn screen must be flat and empty, and the files must be what it embeds.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>

namespace {

// The screen's pictures are drawn for these pixel ratios.
constexpr int kScales[] = {1, 2, 3};
// The window's icon is drawn for each size the desktop's menus ask for.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

QString assetPath(const QString& name) {
    return QStringLiteral(VOKARELO_ASSETS_DIR "/") + name;
}

// Qt's name for a picture at a pixel ratio: phone_background@2x.jpg.
QString scaledName(const QString& name, int scale) {
    if (scale == 1)
        return name;
    const qsizetype suffix = name.lastIndexOf(QLatin1Char('.'));
    return name.left(suffix) + QStringLiteral("@%1x").arg(scale) + name.mid(suffix);
}

QImage loadAsset(const char* name, int scale = 1) {
    QImage image(assetPath(scaledName(QLatin1String(name), scale)));
    return image.convertToFormat(QImage::Format_RGB32);
}

// An area given in pixels of the 1x picture, in pixels of the picture at `scale`.
QRect scaledArea(const QRect& area, int scale) {
    return QRect(area.topLeft() * scale, area.size() * scale);
}

// A row for each pixel ratio, for the tests that read a picture at every one.
void addScaleRows() {
    QTest::addColumn<int>("scale");
    for (const int scale : kScales)
        QTest::addRow("%dx", scale) << scale;
}

// How far apart two colours are in the channel where they differ most.
int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The lightest channel of the darkest pixel in the rectangle: 255 for pure white.
int darkestLevel(const QImage& image, const QRect& area) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            darkest = std::min({darkest, qRed(c), qGreen(c), qBlue(c)});
        }
    return darkest;
}

// How far apart two pictures of one size are where they differ most: the mean channel
// difference of the square tiles `tile` pixels on a side, the largest one. A mean over the whole
// picture would drown a misdrawn symbol in the flat areas around it.
double worstTileDifference(const QImage& a, const QImage& b, int tile) {
    double worst = 0;
    for (int top = 0; top < a.height(); top += tile)
        for (int left = 0; left < a.width(); left += tile) {
            const QRect area = QRect(left, top, tile, tile) & a.rect();
            double sum = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                           std::abs(qBlue(p) - qBlue(q));
                }
            worst = std::max(worst, sum / (3.0 * area.width() * area.height()));
        }
    return worst;
}

const QRgb kLavender = qRgb(225, 218, 236);

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void fileFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        const struct {
            const char* tag;
            const char* name;
            QSize size;
        } screenPictures[] = {{"background", "phone_background.jpg", QSize(524, 855)},
                              {"band", "bottom_band.jpg", QSize(524, 231)},
                              {"battery", "battery_fill.jpg", QSize(21, 10)},
                              {"call", "call_icon.jpg", QSize(20, 19)},
                              {"missed", "missed_call_icon.jpg", QSize(20, 19)}};
        for (const int scale : kScales)
            for (const auto& picture : screenPictures)
                QTest::addRow("%s %dx", picture.tag, scale)
                    << scaledName(QLatin1String(picture.name), scale) << QByteArray("jpeg")
                    << picture.size * scale;
        QTest::newRow("window") << "window_icon.ico" << QByteArray("ico") << QSize(32, 32);
        for (const int size : kIconSizes)
            QTest::addRow("menu icon %d", size) << QStringLiteral("icons/vokarelo-%1.png").arg(size)
                                                << QByteArray("png") << QSize(size, size);
    }

    void fileFormat() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        // Decided from the content, not the suffix.
        QImageReader reader(assetPath(name));
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void windowIconHas256Colours() {
        QFile file(assetPath(QStringLiteral("window_icon.ico")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() > 22 + 40);
        const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
        // The directory entry and the bitmap header both say 8 bits a pixel.
        QCOMPARE(qFromLittleEndian<quint16>(data + 6 + 6), quint16(8));
        const quint32 offset = qFromLittleEndian<quint32>(data + 6 + 12);
        QVERIFY(offset + 40 <= quint32(bytes.size()));
        QCOMPARE(qFromLittleEndian<quint16>(data + offset + 14), quint16(8));
    }

    void headerIsFlatLavender_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("scale");
        const struct {
            const char* tag;
            QRect area;
        } areas[] = {{"percentage label", QRect(QPoint(373, 6), QPoint(414, 31))},
                     {"clock label", QRect(QPoint(453, 6), QPoint(518, 31))},
                     {"top edge", QRect(QPoint(0, 0), QPoint(523, 3))},
                     {"left of the avatar", QRect(QPoint(100, 120), QPoint(160, 170))},
                     {"right of the avatar", QRect(QPoint(360, 100), QPoint(500, 170))}};
        for (const int scale : kScales)
            for (const auto& area : areas)
                QTest::addRow("%s %dx", area.tag, scale) << area.area << scale;
    }

    // The program paints labels of exactly this colour over the header; a pixel under one that
    // is off by more than a level shows the label as a box. At 2x and 3x the JPEG blocks fall
    // elsewhere, so ink near a label can reach under it at one scale and not at another.
    void headerIsFlatLavender() {
        QFETCH(QRect, area);
        QFETCH(int, scale);
        const QImage background = loadAsset("phone_background.jpg", scale);
        QVERIFY(!background.isNull());
        const QRect pixels = scaledArea(area, scale);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const QRgb pixel = background.pixel(x, y);
                QVERIFY2(channelDistance(pixel, kLavender) <= 1,
                         qPrintable(QStringLiteral("(%1, %2, %3) at (%4, %5)")
                                        .arg(qRed(pixel))
                                        .arg(qGreen(pixel))
                                        .arg(qBlue(pixel))
                                        .arg(x)
                                        .arg(y)));
            }
    }

    void batteryInteriorIsEmpty_data() { addScaleRows(); }

    void batteryInteriorIsEmpty() {
        QFETCH(int, scale);
        const QImage background = loadAsset("phone_background.jpg", scale);
        QVERIFY(!background.isNull());
        // The program lays the charge here; ink of the outline would show around it.
        QVERIFY(darkestLevel(background,
                             scaledArea(QRect(QPoint(421, 13), QPoint(441, 22)), scale)) >= 200);
    }

    void backArrowIsDark_data() { addScaleRows(); }

    void backArrowIsDark() {
        QFETCH(int, scale);
        const QImage background = loadAsset("phone_background.jpg", scale);
        QVERIFY(!background.isNull());
        const QRect arrow = scaledArea(QRect(QPoint(37, 63), QPoint(66, 90)), scale);
        int dark = 0;
        for (int y = arrow.top(); y <= arrow.bottom(); ++y)
            for (int x = arrow.left(); x <= arrow.right(); ++x)
                dark += qGray(background.pixel(x, y)) < 80;
        // A shaft and two barbs of full-strength ink, not a faint hint of one.
        QVERIFY2(dark >= 60 * scale * scale, qPrintable(QString::number(dark)));
    }

    void listAreaIsPlainWhite_data() { addScaleRows(); }

    void listAreaIsPlainWhite() {
        QFETCH(int, scale);
        const QImage background = loadAsset("phone_background.jpg", scale);
        QVERIFY(!background.isNull());
        QVERIFY(darkestLevel(background,
                             scaledArea(QRect(QPoint(0, 445), QPoint(523, 780)), scale)) >= 245);
    }

    void bandIsWhiteOutsideItsBar_data() {
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<bool>("inked");
        QTest::addColumn<int>("scale");
        for (const int scale : kScales) {
            QTest::addRow("above the bar %dx", scale) << 0 << 159 << false << scale;
            QTest::addRow("the bar %dx", scale) << 160 << 213 << true << scale;
            QTest::addRow("below the bar %dx", scale) << 214 << 230 << false << scale;
        }
    }

    void bandIsWhiteOutsideItsBar() {
        QFETCH(int, firstRow);
        QFETCH(int, lastRow);
        QFETCH(bool, inked);
        QFETCH(int, scale);
        const QImage band = loadAsset("bottom_band.jpg", scale);
        QVERIFY(!band.isNull());
        const int darkest = darkestLevel(
            band, QRect(0, firstRow * scale, band.width(), (lastRow - firstRow + 1) * scale));
        if (inked)
            QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));
        else
            QVERIFY2(darkest >= 245, qPrintable(QString::number(darkest)));
    }

    void scaledPictureIsTheOneTimesPictureRedrawn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("scale");
        // The battery fill is left out: its anti-aliased edge is one pixel at every scale.
        for (const int scale : {2, 3})
            for (const char* name : {"phone_background.jpg", "bottom_band.jpg", "call_icon.jpg",
                                     "missed_call_icon.jpg"})
                QTest::addRow("%s %dx", name, scale) << QString::fromLatin1(name) << scale;
    }

    // Shrunk to 1x, the picture is the 1x one: every symbol and word where it is there, up to how
    // a glyph's edge falls at another size. Yet it holds detail that the 1x picture stretched
    // does not, which is what a screen of that pixel ratio is for.
    void scaledPictureIsTheOneTimesPictureRedrawn() {
        QFETCH(QString, name);
        QFETCH(int, scale);
        const QImage one = loadAsset(qPrintable(name));
        const QImage scaled = loadAsset(qPrintable(name), scale);
        QCOMPARE(scaled.size(), one.size() * scale);
        // About one symbol of the 1x picture.
        constexpr int kTile = 16;

        const QImage shrunk =
            scaled.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double shrunkDifference = worstTileDifference(shrunk, one, kTile);
        QVERIFY2(shrunkDifference <= 10, qPrintable(QString::number(shrunkDifference)));

        // Stretched 1x pictures come within two levels everywhere, by either way of stretching.
        for (const Qt::TransformationMode stretch :
             {Qt::FastTransformation, Qt::SmoothTransformation}) {
            const QImage stretched = one.scaled(scaled.size(), Qt::IgnoreAspectRatio, stretch);
            const double stretchedDifference =
                worstTileDifference(scaled, stretched, kTile * scale);
            QVERIFY2(stretchedDifference >= 5, qPrintable(QString::number(stretchedDifference)));
        }
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
