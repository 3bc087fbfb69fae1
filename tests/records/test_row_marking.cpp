// SPDX-License-Identifier: MIT
#include "support/row_invariants.h"
#include "support/run_tests.h"
#include "support/started_form.h"
#include <QObject>
#include <QRect>
#include <QString>

#include "records/row_table.h"

#include <QTest>

class TestRowMarking : public QObject {
    Q_OBJECT

private slots:
    void unansweredRowOne();
    void prefixNeverDoubles();
    void enablingTransitions_data();
    void enablingTransitions();
    void unansweredBoxOfHiddenRowWaits();
};

void TestRowMarking::unansweredRowOne() {
    StartedForm s;
    s.form.click(ControlId::Row1MissedBox);
    QCOMPARE(s.form.element(ElementId::Row1DateTime).foreColor, Red);
    QVERIFY(s.form.element(ElementId::Row1MissedIcon).visible);
    QVERIFY(!s.form.element(ElementId::Row1CallIcon).visible);
    QCOMPARE(s.form.element(ElementId::Row1Duration).caption, QStringLiteral("响铃1分11秒"));
    QCOMPARE(brokenRowInvariant(s.form), QString());

    s.form.click(ControlId::Row1MissedBox);
    QCOMPARE(s.form.element(ElementId::Row1DateTime).foreColor, Black);
    QVERIFY(!s.form.element(ElementId::Row1MissedIcon).visible);
    QVERIFY(s.form.element(ElementId::Row1CallIcon).visible);
    QCOMPARE(s.form.element(ElementId::Row1Duration).caption, QStringLiteral("1分11秒"));
    QCOMPARE(brokenRowInvariant(s.form), QString());
}

void TestRowMarking::prefixNeverDoubles() {
    StartedForm s;
    // A "响铃" typed into the minutes reaches the caption through the duration "提交".
    s.form.type(ControlId::Row1MinutesField, "响铃1");
    s.form.click(ControlId::Row1DurationSubmitButton);
    QCOMPARE(s.form.element(ElementId::Row1Duration).caption, QStringLiteral("响铃1分11秒"));
    for (int i = 0; i < 3; ++i) {
        s.form.click(ControlId::Row1MissedBox);
        QCOMPARE(s.form.element(ElementId::Row1Duration).caption, QStringLiteral("响铃1分11秒"));
        s.form.click(ControlId::Row1MissedBox);
        QCOMPARE(s.form.element(ElementId::Row1Duration).caption, QStringLiteral("1分11秒"));
    }
}

// Each case starts from the start state, clicks its way to a state (checking the rules after
// every click), then takes one action.
void TestRowMarking::enablingTransitions_data() {
    QTest::addColumn<QList<ControlId>>("setup");
    QTest::addColumn<ControlId>("action");
    QTest::addColumn<QList<int>>("values"); // Check1 .. Check5 after the action
    QTest::newRow("(0,0) tick Check1")
        << QList<ControlId>{} << ControlId::Row2EnableBox << QList<int>{1, 0, 0, 0, 0};
    QTest::newRow("(0,0) tick Check2")
        << QList<ControlId>{} << ControlId::Row3EnableBox << QList<int>{1, 1, 0, 0, 0};
    QTest::newRow("(1,0) tick Check2") << QList<ControlId>{ControlId::Row2EnableBox}
                                       << ControlId::Row3EnableBox << QList<int>{1, 1, 0, 0, 0};
    QTest::newRow("(1,0) clear Check1") << QList<ControlId>{ControlId::Row2EnableBox}
                                        << ControlId::Row2EnableBox << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("(1,1) clear Check2") << QList<ControlId>{ControlId::Row3EnableBox}
                                        << ControlId::Row3EnableBox << QList<int>{1, 0, 0, 0, 0};
    QTest::newRow("(1,1) clear Check1") << QList<ControlId>{ControlId::Row3EnableBox}
                                        << ControlId::Row2EnableBox << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("row 2 marked, clear Check1")
        << QList<ControlId>{ControlId::Row2EnableBox, ControlId::Row2MissedBox}
        << ControlId::Row2EnableBox << QList<int>{0, 0, 0, 1, 0};
    QTest::newRow("row 2 marked, back on")
        << QList<ControlId>{ControlId::Row2EnableBox, ControlId::Row2MissedBox,
                            ControlId::Row2EnableBox}
        << ControlId::Row2EnableBox << QList<int>{1, 0, 0, 1, 0};
    QTest::newRow("both marked, clear Check1")
        << QList<ControlId>{ControlId::Row3EnableBox, ControlId::Row2MissedBox,
                            ControlId::Row3MissedBox}
        << ControlId::Row2EnableBox << QList<int>{0, 0, 0, 1, 1};
    QTest::newRow("both marked, back on through Check2")
        << QList<ControlId>{ControlId::Row3EnableBox, ControlId::Row2MissedBox,
                            ControlId::Row3MissedBox, ControlId::Row2EnableBox}
        << ControlId::Row3EnableBox << QList<int>{1, 1, 0, 1, 1};
    QTest::newRow("row 3 marked, clear Check2, row 2 stays")
        << QList<ControlId>{ControlId::Row3EnableBox, ControlId::Row1MissedBox,
                            ControlId::Row2MissedBox, ControlId::Row3MissedBox}
        << ControlId::Row3EnableBox << QList<int>{1, 0, 1, 1, 1};
    QTest::newRow("unmark row 3") << QList<ControlId>{ControlId::Row3EnableBox,
                                                      ControlId::Row3MissedBox}
                                  << ControlId::Row3MissedBox << QList<int>{1, 1, 0, 0, 0};
}

void TestRowMarking::enablingTransitions() {
    QFETCH(QList<ControlId>, setup);
    QFETCH(ControlId, action);
    QFETCH(QList<int>, values);
    StartedForm s;
    for (const ControlId c : setup) {
        s.form.click(c);
        QVERIFY2(brokenRowInvariant(s.form).isEmpty(),
                 qPrintable(QString::fromLatin1(s.form.definition(c).name) + ": " +
                            brokenRowInvariant(s.form)));
    }
    s.form.click(action);
    QCOMPARE(brokenRowInvariant(s.form), QString());
    const ControlId boxes[] = {ControlId::Row2EnableBox, ControlId::Row3EnableBox,
                               ControlId::Row1MissedBox, ControlId::Row2MissedBox,
                               ControlId::Row3MissedBox};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(s.form.value(boxes[i]), values[i]);
    // Each shown row's duration carries "响铃" exactly when the row is marked.
    for (const RecordRow& r : recordRows) {
        const QString& duration = s.form.element(r.elements.duration).caption;
        if (s.form.element(r.elements.duration).visible)
            QCOMPARE(duration.startsWith(QStringLiteral("响铃")),
                     s.form.value(r.unansweredBox) == 1);
        QVERIFY(duration.lastIndexOf(QStringLiteral("响铃")) <= 0);
    }
    QVERIFY(s.platform.messages.shown.isEmpty());
}

void TestRowMarking::unansweredBoxOfHiddenRowWaits() {
    StartedForm s;
    // Only a command could set the box of a row that is off; its handler must leave the row alone.
    s.form.dispatch([&] { s.form.setValue(ControlId::Row2MissedBox, 1); });
    QCOMPARE(s.form.value(ControlId::Row2MissedBox), 1);
    QVERIFY(!s.form.element(ElementId::Row2MissedIcon).visible);
    QVERIFY(!s.form.element(ElementId::Row2CallIcon).visible);
    QCOMPARE(s.form.element(ElementId::Row2DateTime).foreColor, Black);
    QCOMPARE(s.form.element(ElementId::Row2Duration).caption, QStringLiteral("34秒"));

    s.form.click(ControlId::Row2EnableBox);
    QVERIFY(s.form.element(ElementId::Row2MissedIcon).visible);
    QCOMPARE(s.form.element(ElementId::Row2DateTime).foreColor, Red);
    QCOMPARE(s.form.element(ElementId::Row2Duration).caption, QStringLiteral("响铃34秒"));
    QCOMPARE(brokenRowInvariant(s.form), QString());
}

VOKARELO_TEST_MAIN(TestRowMarking)
#include "test_row_marking.moc"
