// SPDX-License-Identifier: MIT
#include "support/row_invariants.h"
#include "support/run_tests.h"
#include "support/started_form.h"
#include <QObject>
#include <QRect>
#include <QString>

#include "basic/command_error.h"
#include "records/row_table.h"
#include "support/messages.h"

#include <QTest>

// Rows are given by index into the row table, so each case runs through that row's own fields.

class TestRowCommands : public QObject {
    Q_OBJECT

private slots:
    void submitWithDefaults_data();
    void submitWithDefaults();
    void submitUsesOwnRowFields_data();
    void submitUsesOwnRowFields();
    void durationCaption_data();
    void durationCaption();
    void plusSevenSequence();
    void plusSeven_data();
    void plusSeven();
    void plusSevenAlwaysAnswered();
    void todayAndNow_data();
    void todayAndNow();
    void durationSubmitRinging_data();
    void durationSubmitRinging();
};

void TestRowCommands::submitWithDefaults_data() {
    QTest::addColumn<ControlId>("button");
    QTest::addColumn<ElementId>("element");
    QTest::addColumn<QString>("caption");
    QTest::newRow("row 1 date") << ControlId::Row1DateTimeSubmitButton << ElementId::Row1DateTime
                                << "10月15日 9:01";
    QTest::newRow("row 2 date") << ControlId::Row2DateTimeSubmitButton << ElementId::Row2DateTime
                                << "10月10日 10:12";
    QTest::newRow("row 3 date") << ControlId::Row3DateTimeSubmitButton << ElementId::Row3DateTime
                                << "10月8日 15:47";
    QTest::newRow("row 1 duration")
        << ControlId::Row1DurationSubmitButton << ElementId::Row1Duration << "1分11秒";
    QTest::newRow("row 2 duration")
        << ControlId::Row2DurationSubmitButton << ElementId::Row2Duration << "34秒";
    QTest::newRow("row 3 duration")
        << ControlId::Row3DurationSubmitButton << ElementId::Row3Duration << "19秒";
}

void TestRowCommands::submitWithDefaults() {
    QFETCH(ControlId, button);
    QFETCH(ElementId, element);
    QFETCH(QString, caption);
    StartedForm s;
    s.form.click(button);
    QCOMPARE(s.form.element(element).caption, caption);
    QVERIFY(s.platform.messages.shown.isEmpty());
}

void TestRowCommands::submitUsesOwnRowFields_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < 3; ++i)
        QTest::addRow("row %d", i + 1) << i;
}

void TestRowCommands::submitUsesOwnRowFields() {
    QFETCH(int, row);
    StartedForm s;
    const RecordRow& r = recordRows[row];
    QStringList before;
    for (const RecordRow& other : recordRows)
        before << s.form.element(other.elements.dateTime).caption
               << s.form.element(other.elements.duration).caption;

    s.form.type(r.fields.month, "abc");
    s.form.type(r.fields.day, " 3");
    s.form.type(r.fields.time, "x:y");
    s.form.type(r.fields.minutes, "2");
    s.form.type(r.fields.seconds, "07");
    s.form.click(r.buttons.submitDateTime);
    s.form.click(r.buttons.submitDuration);

    QCOMPARE(s.form.element(r.elements.dateTime).caption, QStringLiteral("abc月 3日 x:y"));
    QCOMPARE(s.form.element(r.elements.duration).caption, QStringLiteral("2分07秒"));
    for (const RecordRow& other : recordRows) {
        const int index = rowIndex(other);
        if (index == row)
            continue;
        QCOMPARE(s.form.element(other.elements.dateTime).caption, before[2 * index]);
        QCOMPARE(s.form.element(other.elements.duration).caption, before[2 * index + 1]);
    }
}

void TestRowCommands::durationCaption_data() {
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("caption");
    QTest::newRow("minutes and seconds") << "1"
                                         << "11"
                                         << "1分11秒";
    QTest::newRow("empty minutes") << ""
                                   << "5"
                                   << "5秒";
    QTest::newRow("zero minutes count") << "0"
                                        << "11"
                                        << "0分11秒";
    QTest::newRow("blank minutes count") << " "
                                         << "11"
                                         << " 分11秒";
    QTest::newRow("empty seconds") << "1"
                                   << ""
                                   << "1分秒";
    QTest::newRow("both empty") << ""
                                << ""
                                << "秒";
}

void TestRowCommands::durationCaption() {
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, caption);
    StartedForm s;
    s.form.type(ControlId::Row1MinutesField, minutes);
    s.form.type(ControlId::Row1SecondsField, seconds);
    s.form.click(ControlId::Row1DurationSubmitButton);
    QCOMPARE(s.form.element(ElementId::Row1Duration).caption, caption);
}

void TestRowCommands::plusSevenSequence() {
    StartedForm s;
    const QStringList steps{"18", "25", "32", "39", "46", "53", "60", "7"};
    for (const QString& seconds : steps) {
        s.form.click(ControlId::Row1PlusSevenButton);
        QCOMPARE(s.form.text(ControlId::Row1SecondsField), seconds);
        QCOMPARE(s.form.element(ElementId::Row1Duration).caption,
                 QStringLiteral("1分%1秒").arg(seconds));
    }
    QCOMPARE(s.form.text(ControlId::Row1MinutesField), QStringLiteral("1"));
}

void TestRowCommands::plusSeven_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("result"); // unused on error
    QTest::addColumn<int>("error");      // -1: none
    const int none = -1;
    const int mismatch = int(ErrorKind::TypeMismatch);
    QTest::newRow("fraction floored") << 0 << "12.7"
                                      << "19" << none;
    QTest::newRow("negative") << 0 << "-10"
                              << "-3" << none;
    QTest::newRow("negative fraction floors down") << 1 << "-0.5"
                                                   << "6" << none;
    QTest::newRow("exactly 60 stays") << 1 << "53"
                                      << "60" << none;
    QTest::newRow("61 wraps") << 2 << "54"
                              << "1" << none;
    QTest::newRow("subtracted once only") << 2 << "100"
                                          << "47" << none;
    QTest::newRow("blanks around") << 0 << " 5 "
                                   << "12" << none;
    QTest::newRow("empty") << 0 << ""
                           << "" << mismatch;
    QTest::newRow("letters") << 1 << "abc"
                             << "" << mismatch;
    QTest::newRow("typed ringing") << 2 << "响铃5"
                                   << "" << mismatch;
    QTest::newRow("beyond double") << 0 << "1e400"
                                   << "" << int(ErrorKind::Overflow);
}

void TestRowCommands::plusSeven() {
    QFETCH(int, row);
    QFETCH(QString, seconds);
    QFETCH(QString, result);
    QFETCH(int, error);
    StartedForm s;
    const RecordRow& r = recordRows[row];
    s.form.type(r.fields.seconds, seconds);
    const QString minutes = s.form.text(r.fields.minutes);
    const QString captionBefore = s.form.element(r.elements.duration).caption;

    s.form.click(r.buttons.plusSeven);

    QCOMPARE(s.form.text(r.fields.minutes), minutes);
    if (error < 0) {
        QVERIFY(s.platform.messages.shown.isEmpty());
        QCOMPARE(s.form.text(r.fields.seconds), result);
        const QString expected = minutes.isEmpty() ? result + "秒" : minutes + "分" + result + "秒";
        QCOMPARE(s.form.element(r.elements.duration).caption, expected);
        return;
    }
    QCOMPARE(s.platform.messages.shown.size(), 1);
    QVERIFY(namesErrorAndField(s.platform.messages.shown[0], ErrorKind(error),
                               QString::fromUtf8(s.form.definition(r.fields.seconds).label)));
    QCOMPARE(s.form.text(r.fields.seconds), seconds);
    QCOMPARE(s.form.element(r.elements.duration).caption, captionBefore);
}

void TestRowCommands::plusSevenAlwaysAnswered() {
    StartedForm s;
    s.form.click(ControlId::Row1MissedBox);
    s.form.click(ControlId::Row2EnableBox);
    s.form.click(ControlId::Row2MissedBox);
    QCOMPARE(s.form.element(ElementId::Row2Duration).caption, QStringLiteral("响铃34秒"));

    s.form.click(ControlId::Row1PlusSevenButton);
    s.form.click(ControlId::Row2PlusSevenButton);
    QCOMPARE(s.form.element(ElementId::Row1Duration).caption, QStringLiteral("1分18秒"));
    QCOMPARE(s.form.element(ElementId::Row2Duration).caption, QStringLiteral("41秒"));
    // Colour and icon stay as the marking left them.
    QCOMPARE(s.form.element(ElementId::Row1DateTime).foreColor, Red);
    QVERIFY(s.form.element(ElementId::Row1MissedIcon).visible);

    s.form.click(ControlId::Row1MissedBox);
    s.form.click(ControlId::Row1MissedBox);
    QCOMPARE(s.form.element(ElementId::Row1Duration).caption, QStringLiteral("响铃1分18秒"));
}

void TestRowCommands::todayAndNow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QDateTime>("clock");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("time");
    const QDate march5(2024, 3, 5);
    QTest::newRow("row 1, five past nine") << 0 << QDateTime(march5, QTime(9, 5)) << "3"
                                           << "5"
                                           << "9:05";
    QTest::newRow("row 2, afternoon")
        << 1 << QDateTime(QDate(2024, 12, 31), QTime(14, 30, 59)) << "12"
        << "31"
        << "14:30";
    QTest::newRow("row 3, midnight") << 2 << QDateTime(march5, QTime(0, 0)) << "3"
                                     << "5"
                                     << "0:00";
}

void TestRowCommands::todayAndNow() {
    QFETCH(int, row);
    QFETCH(QDateTime, clock);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, time);
    StartedForm s;
    s.platform.clock.moment = clock;
    const RecordRow& r = recordRows[row];
    const QString typedTime = s.form.text(r.fields.time);

    s.form.click(r.buttons.today);
    QCOMPARE(s.form.text(r.fields.month), month);
    QCOMPARE(s.form.text(r.fields.day), day);
    QCOMPARE(s.form.text(r.fields.time), typedTime);
    QCOMPARE(s.form.element(r.elements.dateTime).caption, month + "月" + day + "日 " + typedTime);

    s.form.type(r.fields.month, "10");
    s.form.click(r.buttons.now);
    QCOMPARE(s.form.text(r.fields.time), time);
    QCOMPARE(s.form.text(r.fields.day), day);
    QCOMPARE(s.form.element(r.elements.dateTime).caption, "10月" + day + "日 " + time);
}

void TestRowCommands::durationSubmitRinging_data() {
    QTest::addColumn<QList<ControlId>>("clicks");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<ControlId>("button");
    QTest::addColumn<ElementId>("element");
    QTest::addColumn<QString>("caption");
    QTest::newRow("row 2 ticked") << QList<ControlId>{ControlId::Row2EnableBox,
                                                      ControlId::Row2MissedBox,
                                                      ControlId::Row2DurationSubmitButton}
                                  << "34" << ControlId::Row2DurationSubmitButton
                                  << ElementId::Row2Duration << "响铃34秒";
    QTest::newRow("row 2 cleared again")
        << QList<ControlId>{ControlId::Row2EnableBox, ControlId::Row2MissedBox,
                            ControlId::Row2DurationSubmitButton, ControlId::Row2MissedBox}
        << "34" << ControlId::Row2DurationSubmitButton << ElementId::Row2Duration << "34秒";
    QTest::newRow("row 2 typed ringing removed")
        << QList<ControlId>{ControlId::Row2EnableBox} << "响铃5"
        << ControlId::Row2DurationSubmitButton << ElementId::Row2Duration << "5秒";
    QTest::newRow("row 2 ticked, typed ringing once")
        << QList<ControlId>{ControlId::Row2EnableBox, ControlId::Row2MissedBox} << "响铃5响铃"
        << ControlId::Row2DurationSubmitButton << ElementId::Row2Duration << "响铃5秒";
    QTest::newRow("row 2 off, box kept ticked")
        << QList<ControlId>{ControlId::Row2EnableBox, ControlId::Row2MissedBox,
                            ControlId::Row2EnableBox}
        << "34" << ControlId::Row2DurationSubmitButton << ElementId::Row2Duration << "响铃34秒";
    QTest::newRow("row 3 ticked") << QList<ControlId>{ControlId::Row3EnableBox,
                                                      ControlId::Row3MissedBox}
                                  << "19" << ControlId::Row3DurationSubmitButton
                                  << ElementId::Row3Duration << "响铃19秒";
    QTest::newRow("row 1 ignores its box")
        << QList<ControlId>{ControlId::Row1MissedBox} << "11" << ControlId::Row1DurationSubmitButton
        << ElementId::Row1Duration << "1分11秒";
}

void TestRowCommands::durationSubmitRinging() {
    QFETCH(QList<ControlId>, clicks);
    QFETCH(QString, seconds);
    QFETCH(ControlId, button);
    QFETCH(ElementId, element);
    QFETCH(QString, caption);
    StartedForm s;
    for (const RecordRow& r : recordRows)
        s.form.type(r.fields.seconds, seconds);
    for (const ControlId c : clicks)
        s.form.click(c);
    s.form.click(button);
    QCOMPARE(s.form.element(element).caption, caption);
}

VOKARELO_TEST_MAIN(TestRowCommands)
#include "test_row_commands.moc"
