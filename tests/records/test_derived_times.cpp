// SPDX-License-Identifier: MIT
#include "support/row_invariants.h"
#include "support/run_tests.h"
#include "support/started_form.h"
#include <QObject>
#include <QRect>
#include <QString>

#include "support/messages.h"

#include "basic/command_error.h"
#include "records/row_table.h"

#include <QTest>

class TestDerivedTimes : public QObject {
    Q_OBJECT

private slots:
    void clockAdvance_data();
    void clockAdvance();
    void derivedTime_data();
    void derivedTime();
    void derivedTimesChainAndHiddenRow();
    void minutesClear_data();
    void minutesClear();
};

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
                                   << "0" << 1 << "0:01" << NoError << "";
    QTest::newRow("back before midnight") << "0:0"
                                          << ""
                                          << "-1" << 1 << "23:59" << NoError << "";
    QTest::newRow("hour's zero dropped, minute's kept") << "09:05"
                                                        << "0"
                                                        << "0" << 1 << "9:05" << NoError << "";
    QTest::newRow("hour only") << "15"
                               << "0"
                               << "0" << 1 << "15:00" << NoError << "";
    QTest::newRow("blanks around") << " 9:5 "
                                   << ""
                                   << "0" << 1 << "9:05" << NoError << "";
    QTest::newRow("across the hour") << "9:59"
                                     << "0"
                                     << "60" << 1 << "10:00" << NoError << "";
    QTest::newRow("to a minute below ten") << "8:58"
                                           << "1"
                                           << "55" << 1 << "9:00" << NoError << "";
    QTest::newRow("largest duration") << "15:17"
                                      << "545"
                                      << "11" << 1 << "0:22" << NoError << "";
    QTest::newRow("clock with seconds") << "15:17:30"
                                        << "1"
                                        << "11" << 1 << "15:17:30" << mismatch << "手机时间";
    QTest::newRow("hour 24") << "24:00"
                             << "1"
                             << "11" << 1 << "24:00" << mismatch << "手机时间";
    QTest::newRow("minute 60") << "9:60"
                               << "1"
                               << "11" << 1 << "9:60" << mismatch << "手机时间";
    QTest::newRow("empty clock") << ""
                                 << "1"
                                 << "11" << 1 << "" << mismatch << "手机时间";
    QTest::newRow("clock letters") << "ab:cd"
                                   << "1"
                                   << "11" << 1 << "ab:cd" << mismatch << "手机时间";
    QTest::newRow("negative clock") << "-1:00"
                                    << "1"
                                    << "11" << 1 << "-1:00" << mismatch << "手机时间";
    QTest::newRow("seconds empty") << "15:17"
                                   << "1"
                                   << "" << 1 << "15:17" << mismatch << "通话记录1的通话时长（秒）";
    QTest::newRow("seconds beyond 16 bits")
        << "15:17"
        << ""
        << "32768" << 1 << "15:17" << overflow << "通话记录1的通话时长（秒）";
    QTest::newRow("duration beyond 16 bits")
        << "15:17"
        << "546"
        << "11" << 1 << "15:17" << overflow << "通话记录1的通话时长（分）";
    QTest::newRow("seconds take the duration too far")
        << "15:17"
        << "1"
        << "32760" << 1 << "15:17" << overflow << "通话记录1的通话时长（秒）";
}

void TestDerivedTimes::clockAdvance() {
    QFETCH(QString, clock);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(int, presses);
    QFETCH(QString, result);
    QFETCH(int, error);
    QFETCH(QString, blamed);
    StartedForm s;
    s.platform.clock.moment = QDateTime(QDate(2024, 10, 14), QTime(23, 59, 59));
    s.form.type(ControlId::ClockField, clock);
    s.form.type(ControlId::Row1MinutesField, minutes);
    s.form.type(ControlId::Row1SecondsField, seconds);
    for (int i = 0; i < presses; ++i)
        s.form.click(ControlId::ClockAdvanceButton);

    QCOMPARE(s.form.text(ControlId::ClockField), result);
    if (error == NoError) {
        QVERIFY(s.platform.messages.shown.isEmpty());
        QCOMPARE(s.form.element(ElementId::ClockText).caption, result);
    } else {
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QVERIFY2(namesErrorAndField(s.platform.messages.shown[0], ErrorKind(error), blamed),
                 qPrintable(s.platform.messages.shown[0]));
        QCOMPARE(s.form.element(ElementId::ClockText).caption, QStringLiteral("15:17"));
    }
    QCOMPARE(s.form.text(ControlId::Row1MinutesField), minutes);
    QCOMPARE(s.form.text(ControlId::Row1SecondsField), seconds);
}

void TestDerivedTimes::derivedTime_data() {
    QTest::addColumn<ControlId>("target"); // the time field double-clicked
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("result"); // the target field afterwards
    QTest::addColumn<bool>("submitted"); // the row's date and time shows the result
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("blamed");
    const int mismatch = int(ErrorKind::TypeMismatch);
    QTest::newRow("row 2, no borrow") << ControlId::Row2TimeField << "10:12"
                                      << "10:10" << true << NoError << "";
    QTest::newRow("row 3 steps 3") << ControlId::Row3TimeField << "10:12"
                                   << "10:09" << true << NoError << "";
    QTest::newRow("row 2 reaches 0") << ControlId::Row2TimeField << "10:02"
                                     << "10:00" << true << NoError << "";
    QTest::newRow("row 3 borrows") << ControlId::Row3TimeField << "10:02"
                                   << "9:59" << true << NoError << "";
    QTest::newRow("hour copied as typed") << ControlId::Row2TimeField << "09:30"
                                          << "09:28" << true << NoError << "";
    QTest::newRow("borrow rewrites the hour") << ControlId::Row2TimeField << "09:01"
                                              << "8:59" << true << NoError << "";
    QTest::newRow("seconds dropped") << ControlId::Row2TimeField << "9:01:30"
                                     << "8:59" << true << NoError << "";
    QTest::newRow("minutes floored") << ControlId::Row2TimeField << "9:05.9"
                                     << "9:03" << true << NoError << "";
    QTest::newRow("from five past nine") << ControlId::Row2TimeField << "9:05"
                                         << "9:03" << true << NoError << "";
    QTest::newRow("borrow across the hour") << ControlId::Row3TimeField << "10:01"
                                            << "9:58" << true << NoError << "";
    QTest::newRow("borrow gives a minute below ten") << ControlId::Row2TimeField << "10:-50"
                                                     << "9:08" << true << NoError << "";
    QTest::newRow("row 2 before 0:02") << ControlId::Row2TimeField << "0:01"
                                       << "23:59" << true << NoError << "";
    QTest::newRow("row 2 at 0:00") << ControlId::Row2TimeField << "00:00"
                                   << "23:58" << true << NoError << "";
    QTest::newRow("row 3 before 0:03") << ControlId::Row3TimeField << "0:02"
                                       << "23:59" << true << NoError << "";
    QTest::newRow("no colon") << ControlId::Row2TimeField << "15"
                              << "" << false << int(ErrorKind::SubscriptOutOfRange)
                              << "通话记录1的通话时间";
    QTest::newRow("empty minutes") << ControlId::Row3TimeField << "10:"
                                   << "" << false << mismatch << "通话记录2的通话时间";
    QTest::newRow("minutes not a number") << ControlId::Row2TimeField << "10:ab"
                                          << "" << false << mismatch << "通话记录1的通话时间";
    // The borrow reads the hour back as a number; the written time stays when it is none, and the
    // field named is the one the hour was typed into.
    QTest::newRow("hour not a number after write")
        << ControlId::Row2TimeField << "ab:01"
        << "ab:-1" << false << mismatch << "通话记录1的通话时间";
}

void TestDerivedTimes::derivedTime() {
    QFETCH(ControlId, target);
    QFETCH(QString, source);
    QFETCH(QString, result);
    QFETCH(bool, submitted);
    QFETCH(int, error);
    QFETCH(QString, blamed);
    StartedForm s;
    const RecordRow& row = target == ControlId::Row2TimeField ? recordRows[1] : recordRows[2];
    const RecordRow& above = recordRows[rowIndex(row) - 1];
    const QString before = s.form.text(target);
    const QString captionBefore = s.form.element(row.elements.dateTime).caption;
    s.form.type(above.fields.time, source);

    s.form.dblClick(target);

    QCOMPARE(s.form.text(target), result.isEmpty() ? before : result);
    QCOMPARE(s.form.text(above.fields.time), source);
    const QString date = s.form.text(row.fields.month) + "月" + s.form.text(row.fields.day) + "日 ";
    QCOMPARE(s.form.element(row.elements.dateTime).caption,
             submitted ? date + result : captionBefore);
    if (error == NoError) {
        QVERIFY(s.platform.messages.shown.isEmpty());
    } else {
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QVERIFY2(namesErrorAndField(s.platform.messages.shown[0], ErrorKind(error), blamed),
                 qPrintable(s.platform.messages.shown[0]));
    }
}

void TestDerivedTimes::derivedTimesChainAndHiddenRow() {
    StartedForm s;
    s.form.dblClick(ControlId::Row2TimeField);
    QCOMPARE(s.form.text(ControlId::Row2TimeField), QStringLiteral("8:59"));
    s.form.dblClick(ControlId::Row3TimeField);
    QCOMPARE(s.form.text(ControlId::Row3TimeField), QStringLiteral("8:56"));
    // Both rows are switched off, yet their captions follow and show once they are on.
    QVERIFY(!s.form.element(ElementId::Row2DateTime).visible);
    QCOMPARE(s.form.element(ElementId::Row2DateTime).caption, QStringLiteral("10月10日 8:59"));
    QCOMPARE(s.form.element(ElementId::Row3DateTime).caption, QStringLiteral("10月8日 8:56"));
    s.form.click(ControlId::Row3EnableBox);
    QVERIFY(s.form.element(ElementId::Row2DateTime).visible);
    QVERIFY(s.form.element(ElementId::Row3DateTime).visible);
    QCOMPARE(s.form.element(ElementId::Row2DateTime).caption, QStringLiteral("10月10日 8:59"));
    QCOMPARE(s.form.text(ControlId::Row2MonthField), QStringLiteral("10"));
    QCOMPARE(s.form.text(ControlId::Row2DayField), QStringLiteral("10"));
}

void TestDerivedTimes::minutesClear_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<ControlId>("field");
    QTest::newRow("row 1") << 0 << ControlId::Row1MinutesField;
    QTest::newRow("row 2") << 1 << ControlId::Row2MinutesField;
    QTest::newRow("row 3") << 2 << ControlId::Row3MinutesField;
}

void TestDerivedTimes::minutesClear() {
    QFETCH(int, row);
    QFETCH(ControlId, field);
    StartedForm s;
    const RecordRow& r = recordRows[row];
    s.form.type(field, "3");
    s.form.click(r.buttons.submitDuration);
    const QString shown = s.form.element(r.elements.duration).caption;
    QVERIFY(shown.startsWith(QStringLiteral("3分")));

    s.form.dblClick(field);
    QCOMPARE(s.form.text(field), QString());
    QCOMPARE(s.form.element(r.elements.duration).caption, shown);
    s.form.click(r.buttons.submitDuration);
    QCOMPARE(s.form.element(r.elements.duration).caption, s.form.text(r.fields.seconds) + "秒");
}

VOKARELO_TEST_MAIN(TestDerivedTimes)
#include "test_derived_times.moc"
