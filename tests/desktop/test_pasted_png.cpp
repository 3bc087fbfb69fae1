// SPDX-License-Identifier: MIT
// The PNG the clipboard hands to a program that pastes the capture: the picture's pixels exactly,
// encoded at zlib's fastest level, once for every paste.

#include "desktop/qt_clipboard.h"
#include "support/clipboard_reads.h"
#include "support/run_tests.h"
#include "support/started_form.h"
#include "window/capture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtEndian>

namespace {

// The compression level zlib wrote into the header of the PNG's first image data: 0 for its
// fastest levels (0 and 1), 2 for its default; -1 when the PNG has no image data.
int zlibLevelClass(const QByteArray& png) {
    for (qsizetype chunk = 8; chunk + 12 <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(png.constData() + chunk);
        if (png.mid(chunk + 4, 4) == "IDAT" && length >= 2)
            return quint8(png.at(chunk + 9)) >> 6;
        chunk += 12 + length;
    }
    return -1;
}

// Some noise with every degree of transparency.
QImage translucentNoise() {
    QImage image(97, 61, QImage::Format_ARGB32);
    quint32 state = 7;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, state);
        }
    return image;
}

// The picture's pixels alone: a PNG keeps no device pixel ratio.
QImage pixels(const QImage& picture) {
    QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    argb.setDevicePixelRatio(1);
    return argb;
}

} // namespace

class TestPastedPng : public QObject {
    Q_OBJECT

private slots:
    void pngHoldsThePicture_data() {
        QTest::addColumn<QImage>("picture");
        StartedForm window;
        QTest::newRow("capture") << capturedPicture(window.form, 1);
        QTest::newRow("capture, dense screen") << capturedPicture(window.form, 2);
        QTest::newRow("translucent noise") << translucentNoise();
    }
    void pngHoldsThePicture() {
        QFETCH(QImage, picture);
        QtClipboard clipboard({100, 1000});
        QVERIFY(clipboard.setPicture(picture));
        const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
        QVERIFY(offered);
        QCOMPARE(offered->formats().value(0), QStringLiteral("image/png"));
        const QByteArray png = offered->data(QStringLiteral("image/png"));
        QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
        const QImage pasted = QImage::fromData(png, "png");
        QCOMPARE(pasted.size(), picture.size());
        QCOMPARE(pixels(pasted), pixels(picture));
        QCOMPARE(zlibLevelClass(png), 0);
        // The next paste gets the same bytes, without encoding them again.
        QCOMPARE(offered->data(QStringLiteral("image/png")).constData(), png.constData());
        // The capture reads its own picture back unchanged.
        QCOMPARE(pictureNow(clipboard).picture, picture);
    }
};

VOKARELO_TEST_MAIN(TestPastedPng)
#include "test_pasted_png.moc"
