#include "records_tests.h"

#include "basic/command_error.h"
#include "records/row_table.h"

#include <QTest>

namespace {

constexpr int NoError = -1;

} // namespace

void TestDerivedTimes::clockAdvance_data() {
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("result"); // the clock after the presses; on error, unchanged
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("blamed");
    const int mismatch = int(ErrorKind::TypeMismatch);
    const int overflow = int(ErrorKind::Overflow);
    QTest::newRow("defaults add 76 s") << "15:17"
                                       << "1"
                                       << "11" << 1 << "15:18" << NoError << "";
    QTest::newRow("cumulative") << "15:17"
                                << "1"
                                << "11" << 2 << "15:19" << NoError << "";
    QTest::newRow("seconds only, no extra 5") << "15:17"
                                              << ""
                                              << "58" << 1 << "15:17" << NoError << "";
    QTest::newRow("zero minutes, no extra 5") << "15:17"
                                              << "0"
                                              << "58" << 1 << "15:17" << NoError << "";
    QTest::newRow("zero minutes, 50 s") << "15:17"
                                        << "0"
                                        << "50" << 1 << "15:17" << NoError << "";
    QTest::newRow("minutes not a number") << "15:17"
                                          << "x"
                                          << "58" << 1 << "15:17" << NoError << "";
    QTest::newRow("seconds floored") << "15:17"
                                     << ""
                                     << "59.9" << 1 << "15:17" << NoError << "";
    QTest::newRow("past midnight") << "23:59"
                                   << "2"
                                   << "0" << 1 << "0:1" << NoError << "";
    QTest::newRow("back before midnight") << "0:0"
                                          << ""
                                          << "-1" << 1 << "23:59" << NoError << "";
    QTest::newRow("zeros dropped") << "09:05"
                                   << "0"
                                   << "0" << 1 << "9:5" << NoError << "";
    QTest::newRow("hour only") << "15"
                               << "0"
                               << "0" << 1 << "15:0" << NoError << "";
    QTest::newRow("blanks around") << " 9:5 "
                                   << ""
                                   << "0" << 1 << "9:5" << NoError << "";
    QTest::newRow("largest duration") << "15:17"
                                      << "545"
                                      << "11" << 1 << "0:22" << NoError << "";
    QTest::newRow("clock with seconds") << "15:17:30"
                                        << "1"
                                        << "11" << 1 << "15:17:30" << mismatch << "Text2";
    QTest::newRow("hour 24") << "24:00"
                             << "1"
                             << "11" << 1 << "24:00" << mismatch << "Text2";
    QTest::newRow("minute 60") << "9:60"
                               << "1"
                               << "11" << 1 << "9:60" << mismatch << "Text2";
    QTest::newRow("empty clock") << ""
                                 << "1"
                                 << "11" << 1 << "" << mismatch << "Text2";
    QTest::newRow("clock letters") << "ab:cd"
                                   << "1"
                                   << "11" << 1 << "ab:cd" << mismatch << "Text2";
    QTest::newRow("negative clock") << "-1:00"
                                    << "1"
                                    << "11" << 1 << "-1:00" << mismatch << "Text2";
    QTest::newRow("seconds empty") << "15:17"
                                   << "1"
                                   << "" << 1 << "15:17" << mismatch << "Text8";
    QTest::newRow("seconds beyond 16 bits") << "15:17"
                                            << ""
                                            << "32768" << 1 << "15:17" << overflow << "Text8";
    QTest::newRow("duration beyond 16 bits") << "15:17"
                                             << "546"
                                             << "11" << 1 << "15:17" << overflow << "Text7";
}

void TestDerivedTimes::clockAdvance() {
    QFETCH(QString, clock);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(int, presses);
    QFETCH(QString, result);
    QFETCH(int, error);
    QFETCH(QString, blamed);
    Started s;
    s.platform.clock = QDateTime(QDate(2024, 10, 14), QTime(23, 59, 59));
    s.form.type("Text2", clock);
    s.form.type("Text7", minutes);
    s.form.type("Text8", seconds);
    for (int i = 0; i < presses; ++i)
        s.form.click("Command22");

    QCOMPARE(s.form.text("Text2"), result);
    if (error == NoError) {
        QVERIFY(s.platform.messages.isEmpty());
        QCOMPARE(s.form.element("Label17").caption, result);
    } else {
        QCOMPARE(s.platform.messages.size(), 1);
        QCOMPARE(s.platform.messages[0].text, CommandError(ErrorKind(error), blamed).message());
        QCOMPARE(s.form.element("Label17").caption, QStringLiteral("15:17"));
    }
    QCOMPARE(s.form.text("Text7"), minutes);
    QCOMPARE(s.form.text("Text8"), seconds);
}

void TestDerivedTimes::derivedTime_data() {
    QTest::addColumn<QString>("target"); // the time field double-clicked
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("result"); // the target field afterwards
    QTest::addColumn<bool>("submitted"); // the row's date and time shows the result
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("blamed");
    const int mismatch = int(ErrorKind::TypeMismatch);
    QTest::newRow("row 2, no borrow") << "Text21"
                                      << "10:12"
                                      << "10:10" << true << NoError << "";
    QTest::newRow("row 3 steps 3") << "Text22"
                                   << "10:12"
                                   << "10:9" << true << NoError << "";
    QTest::newRow("row 2 reaches 0") << "Text21"
                                     << "10:02"
                                     << "10:0" << true << NoError << "";
    QTest::newRow("row 3 borrows") << "Text22"
                                   << "10:02"
                                   << "9:59" << true << NoError << "";
    QTest::newRow("hour copied as typed") << "Text21"
                                          << "09:30"
                                          << "09:28" << true << NoError << "";
    QTest::newRow("borrow rewrites the hour") << "Text21"
                                              << "09:01"
                                              << "8:59" << true << NoError << "";
    QTest::newRow("seconds dropped") << "Text21"
                                     << "9:01:30"
                                     << "8:59" << true << NoError << "";
    QTest::newRow("minutes floored") << "Text21"
                                     << "9:05.9"
                                     << "9:3" << true << NoError << "";
    QTest::newRow("row 2 before 0:02") << "Text21"
                                       << "0:01"
                                       << "23:59" << true << NoError << "";
    QTest::newRow("row 2 at 0:00") << "Text21"
                                   << "00:00"
                                   << "23:58" << true << NoError << "";
    QTest::newRow("row 3 before 0:03") << "Text22"
                                       << "0:02"
                                       << "23:59" << true << NoError << "";
    QTest::newRow("no colon") << "Text21"
                              << "15"
                              << "" << false << int(ErrorKind::SubscriptOutOfRange) << "Text20";
    QTest::newRow("empty minutes") << "Text22"
                                   << "10:"
                                   << "" << false << mismatch << "Text21";
    QTest::newRow("minutes not a number") << "Text21"
                                          << "10:ab"
                                          << "" << false << mismatch << "Text20";
    // The borrow reads the hour back as a number; the written time stays when it is none.
    QTest::newRow("hour not a number after write") << "Text21"
                                                   << "ab:01"
                                                   << "ab:-1" << false << mismatch << "Text21";
}

void TestDerivedTimes::derivedTime() {
    QFETCH(QString, target);
    QFETCH(QString, source);
    QFETCH(QString, result);
    QFETCH(bool, submitted);
    QFETCH(int, error);
    QFETCH(QString, blamed);
    Started s;
    const RecordRow& row = target == "Text21" ? recordRows[1] : recordRows[2];
    const RecordRow& above = recordRows[row.index - 1];
    const QString before = s.form.text(target);
    const QString captionBefore = s.form.element(row.elements.md1).caption;
    s.form.type(above.fields.time, source);

    s.form.dblClick(target);

    QCOMPARE(s.form.text(target), result.isEmpty() ? before : result);
    QCOMPARE(s.form.text(above.fields.time), source);
    const QString date = s.form.text(row.fields.month) + "月" + s.form.text(row.fields.day) + "日 ";
    QCOMPARE(s.form.element(row.elements.md1).caption, submitted ? date + result : captionBefore);
    if (error == NoError) {
        QVERIFY(s.platform.messages.isEmpty());
    } else {
        QCOMPARE(s.platform.messages.size(), 1);
        QCOMPARE(s.platform.messages[0].text, CommandError(ErrorKind(error), blamed).message());
    }
}

void TestDerivedTimes::derivedTimesChainAndHiddenRow() {
    Started s;
    s.form.dblClick("Text21");
    QCOMPARE(s.form.text("Text21"), QStringLiteral("8:59"));
    s.form.dblClick("Text22");
    QCOMPARE(s.form.text("Text22"), QStringLiteral("8:56"));
    // Both rows are switched off, yet their captions follow and show once they are on.
    QVERIFY(!s.form.element("md1(1)").visible);
    QCOMPARE(s.form.element("md1(1)").caption, QStringLiteral("10月10日 8:59"));
    QCOMPARE(s.form.element("md1(2)").caption, QStringLiteral("10月8日 8:56"));
    s.form.click("Check2");
    QVERIFY(s.form.element("md1(1)").visible);
    QVERIFY(s.form.element("md1(2)").visible);
    QCOMPARE(s.form.element("md1(1)").caption, QStringLiteral("10月10日 8:59"));
    QCOMPARE(s.form.text("Text15"), QStringLiteral("10"));
    QCOMPARE(s.form.text("Text14"), QStringLiteral("10"));
}

void TestDerivedTimes::minutesClear_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("field");
    QTest::newRow("row 1") << 0 << "Text7";
    QTest::newRow("row 2") << 1 << "Text13";
    QTest::newRow("row 3") << 2 << "Text17";
}

void TestDerivedTimes::minutesClear() {
    QFETCH(int, row);
    QFETCH(QString, field);
    Started s;
    const RecordRow& r = recordRows[row];
    s.form.type(field, "3");
    s.form.click(r.buttons.submitDuration);
    const QString shown = s.form.element(r.elements.label14).caption;
    QVERIFY(shown.startsWith(QStringLiteral("3分")));

    s.form.dblClick(field);
    QCOMPARE(s.form.text(field), QString());
    QCOMPARE(s.form.element(r.elements.label14).caption, shown);
    s.form.click(r.buttons.submitDuration);
    QCOMPARE(s.form.element(r.elements.label14).caption, s.form.text(r.fields.seconds) + "秒");
}
