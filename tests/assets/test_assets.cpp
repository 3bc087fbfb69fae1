// The pictures in assets/ as the program relies on them: where it lays its own labels and
// pictures, the drawn screen must be flat and empty, and the files must be what it embeds.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>

namespace {

QString assetPath(const char* name) {
    return QStringLiteral(VOKARELO_ASSETS_DIR "/") + QLatin1String(name);
}

QImage loadAsset(const char* name) {
    QImage image(assetPath(name));
    return image.convertToFormat(QImage::Format_RGB32);
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

const QRgb kLavender = qRgb(225, 218, 236);

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void fileFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("background")
            << "phone_background.jpg" << QByteArray("jpeg") << QSize(524, 855);
        QTest::newRow("band") << "bottom_band.jpg" << QByteArray("jpeg") << QSize(524, 231);
        QTest::newRow("battery") << "battery_fill.jpg" << QByteArray("jpeg") << QSize(21, 10);
        QTest::newRow("call") << "call_icon.jpg" << QByteArray("jpeg") << QSize(20, 19);
        QTest::newRow("missed") << "missed_call_icon.jpg" << QByteArray("jpeg") << QSize(20, 19);
        QTest::newRow("window") << "window_icon.ico" << QByteArray("ico") << QSize(32, 32);
    }

    void fileFormat() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        // Decided from the content, not the suffix.
        QImageReader reader(QStringLiteral(VOKARELO_ASSETS_DIR "/") + name);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void windowIconHas256Colours() {
        QFile file(assetPath("window_icon.ico"));
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
        QTest::newRow("percentage label") << QRect(QPoint(373, 6), QPoint(414, 31));
        QTest::newRow("clock label") << QRect(QPoint(453, 6), QPoint(518, 31));
        QTest::newRow("top edge") << QRect(QPoint(0, 0), QPoint(523, 3));
        QTest::newRow("left of the avatar") << QRect(QPoint(100, 120), QPoint(160, 170));
        QTest::newRow("right of the avatar") << QRect(QPoint(360, 100), QPoint(500, 170));
    }

    // The program paints labels of exactly this colour over the header; a pixel under one that
    // is off by more than a level shows the label as a box.
    void headerIsFlatLavender() {
        QFETCH(QRect, area);
        const QImage background = loadAsset("phone_background.jpg");
        QVERIFY(!background.isNull());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
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

    void batteryInteriorIsEmpty() {
        const QImage background = loadAsset("phone_background.jpg");
        QVERIFY(!background.isNull());
        // The program lays the charge here; ink of the outline would show around it.
        QVERIFY(darkestLevel(background, QRect(QPoint(421, 13), QPoint(441, 22))) >= 200);
    }

    void backArrowIsDark() {
        const QImage background = loadAsset("phone_background.jpg");
        QVERIFY(!background.isNull());
        const QRect arrow(QPoint(37, 63), QPoint(66, 90));
        int dark = 0;
        for (int y = arrow.top(); y <= arrow.bottom(); ++y)
            for (int x = arrow.left(); x <= arrow.right(); ++x)
                dark += qGray(background.pixel(x, y)) < 80;
        // A shaft and two barbs of full-strength ink, not a faint hint of one.
        QVERIFY2(dark >= 60, qPrintable(QString::number(dark)));
    }

    void listAreaIsPlainWhite() {
        const QImage background = loadAsset("phone_background.jpg");
        QVERIFY(!background.isNull());
        QVERIFY(darkestLevel(background, QRect(QPoint(0, 445), QPoint(523, 780))) >= 245);
    }

    void bandIsWhiteOutsideItsBar_data() {
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<bool>("inked");
        QTest::newRow("above the bar") << 0 << 159 << false;
        QTest::newRow("the bar") << 160 << 213 << true;
        QTest::newRow("below the bar") << 214 << 230 << false;
    }

    void bandIsWhiteOutsideItsBar() {
        QFETCH(int, firstRow);
        QFETCH(int, lastRow);
        QFETCH(bool, inked);
        const QImage band = loadAsset("bottom_band.jpg");
        QVERIFY(!band.isNull());
        const int darkest =
            darkestLevel(band, QRect(QPoint(0, firstRow), QPoint(band.width() - 1, lastRow)));
        if (inked)
            QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));
        else
            QVERIFY2(darkest >= 245, qPrintable(QString::number(darkest)));
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
