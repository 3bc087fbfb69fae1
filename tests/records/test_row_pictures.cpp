// SPDX-License-Identifier: MIT
#include "support/row_invariants.h"
#include "support/run_tests.h"
#include "support/started_form.h"
#include <QObject>
#include <QRect>
#include <QString>

#include "screen/assets.h"
#include "screen/screen_painter.h"

#include <QTest>

class TestRowPictures : public QObject {
    Q_OBJECT

private slots:
    void unansweredDateIsRed();
    void missedCallIconReplacesCallIcon();
    void rowsAppearAndDisappear_data();
    void rowsAppearAndDisappear();
};

namespace {

int countPixels(const QImage& image, const QRect& area, bool (*wanted)(QColor)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += wanted(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool isRed(QColor c) {
    return c.red() > 160 && c.green() < 80 && c.blue() < 80;
}

bool isDark(QColor c) {
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

// The window's pixels where an element lies, beside what a picture drawn there at its own size
// would show.
QImage region(const QImage& window, const QRect& area) {
    return window.copy(area).convertToFormat(QImage::Format_RGB32);
}

QImage pictureIn(Asset asset, const QRect& area) {
    return assetImage(asset)
        .copy(QRect(QPoint(0, 0), area.size()))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

void TestRowPictures::unansweredDateIsRed() {
    StartedForm s;
    const QRect date = pixelRect(s.form.element(ElementId::Row1DateTime).rect);
    QCOMPARE(countPixels(renderWindow(s.form), date, isRed), 0);
    s.form.click(ControlId::Row1MissedBox);
    QVERIFY(countPixels(renderWindow(s.form), date, isRed) > 20);
    s.form.click(ControlId::Row1MissedBox);
    QCOMPARE(countPixels(renderWindow(s.form), date, isRed), 0);
}

void TestRowPictures::missedCallIconReplacesCallIcon() {
    StartedForm s;
    const QRect icon = pixelRect(s.form.element(ElementId::Row1CallIcon).rect);
    QVERIFY(pictureIn(Asset::CallIcon, icon) != pictureIn(Asset::MissedCallIcon, icon));
    QCOMPARE(region(renderWindow(s.form), icon), pictureIn(Asset::CallIcon, icon));
    s.form.click(ControlId::Row1MissedBox);
    QCOMPARE(region(renderWindow(s.form), icon), pictureIn(Asset::MissedCallIcon, icon));
    s.form.click(ControlId::Row1MissedBox);
    QCOMPARE(region(renderWindow(s.form), icon), pictureIn(Asset::CallIcon, icon));
}

void TestRowPictures::rowsAppearAndDisappear_data() {
    QTest::addColumn<ControlId>("box");
    QTest::addColumn<ElementId>("element");
    QTest::newRow("row 2") << ControlId::Row2EnableBox << ElementId::Row2DateTime;
    QTest::newRow("row 3") << ControlId::Row3EnableBox << ElementId::Row3DateTime;
}

void TestRowPictures::rowsAppearAndDisappear() {
    QFETCH(ControlId, box);
    QFETCH(ElementId, element);
    StartedForm s;
    const QRect date = pixelRect(s.form.element(element).rect);
    const QImage off = region(renderWindow(s.form), date);
    QCOMPARE(countPixels(off, off.rect(), isDark), 0);

    s.form.click(box);
    const QImage on = region(renderWindow(s.form), date);
    QVERIFY(countPixels(on, on.rect(), isDark) > 20);

    s.form.click(box);
    QCOMPARE(region(renderWindow(s.form), date), off);
}

VOKARELO_TEST_MAIN(TestRowPictures)
#include "test_row_pictures.moc"
