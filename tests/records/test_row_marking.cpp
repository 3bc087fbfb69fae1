#include "records_tests.h"

#include "records/row_table.h"

#include <QTest>

void TestRowMarking::unansweredRowOne() {
    Started s;
    s.form.click("Check3");
    QCOMPARE(s.form.element("md1(0)").foreColor, Red);
    QVERIFY(s.form.element("Picture2(0)").visible);
    QVERIFY(!s.form.element("Picture1(0)").visible);
    QCOMPARE(s.form.element("Label14(0)").caption, QStringLiteral("响铃1分11秒"));
    QCOMPARE(brokenRowInvariant(s.form), QString());

    s.form.click("Check3");
    QCOMPARE(s.form.element("md1(0)").foreColor, Black);
    QVERIFY(!s.form.element("Picture2(0)").visible);
    QVERIFY(s.form.element("Picture1(0)").visible);
    QCOMPARE(s.form.element("Label14(0)").caption, QStringLiteral("1分11秒"));
    QCOMPARE(brokenRowInvariant(s.form), QString());
}

void TestRowMarking::prefixNeverDoubles() {
    Started s;
    // A "响铃" typed into the minutes reaches the caption through the duration "提交".
    s.form.type("Text7", "响铃1");
    s.form.click("Command12");
    QCOMPARE(s.form.element("Label14(0)").caption, QStringLiteral("响铃1分11秒"));
    for (int i = 0; i < 3; ++i) {
        s.form.click("Check3");
        QCOMPARE(s.form.element("Label14(0)").caption, QStringLiteral("响铃1分11秒"));
        s.form.click("Check3");
        QCOMPARE(s.form.element("Label14(0)").caption, QStringLiteral("1分11秒"));
    }
}

// Each case starts from the start state, clicks its way to a state (checking the rules after
// every click), then takes one action.
void TestRowMarking::enablingTransitions_data() {
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<int>>("values"); // Check1 .. Check5 after the action
    QTest::newRow("(0,0) tick Check1") << QStringList{} << "Check1" << QList<int>{1, 0, 0, 0, 0};
    QTest::newRow("(0,0) tick Check2") << QStringList{} << "Check2" << QList<int>{1, 1, 0, 0, 0};
    QTest::newRow("(1,0) tick Check2")
        << QStringList{"Check1"} << "Check2" << QList<int>{1, 1, 0, 0, 0};
    QTest::newRow("(1,0) clear Check1")
        << QStringList{"Check1"} << "Check1" << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("(1,1) clear Check2")
        << QStringList{"Check2"} << "Check2" << QList<int>{1, 0, 0, 0, 0};
    QTest::newRow("(1,1) clear Check1")
        << QStringList{"Check2"} << "Check1" << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("row 2 marked, clear Check1")
        << QStringList{"Check1", "Check4"} << "Check1" << QList<int>{0, 0, 0, 1, 0};
    QTest::newRow("row 2 marked, back on")
        << QStringList{"Check1", "Check4", "Check1"} << "Check1" << QList<int>{1, 0, 0, 1, 0};
    QTest::newRow("both marked, clear Check1")
        << QStringList{"Check2", "Check4", "Check5"} << "Check1" << QList<int>{0, 0, 0, 1, 1};
    QTest::newRow("both marked, back on through Check2")
        << QStringList{"Check2", "Check4", "Check5", "Check1"} << "Check2"
        << QList<int>{1, 1, 0, 1, 1};
    QTest::newRow("row 3 marked, clear Check2, row 2 stays")
        << QStringList{"Check2", "Check3", "Check4", "Check5"} << "Check2"
        << QList<int>{1, 0, 1, 1, 1};
    QTest::newRow("unmark row 3") << QStringList{"Check2", "Check5"} << "Check5"
                                  << QList<int>{1, 1, 0, 0, 0};
}

void TestRowMarking::enablingTransitions() {
    QFETCH(QStringList, setup);
    QFETCH(QString, action);
    QFETCH(QList<int>, values);
    Started s;
    for (const QString& c : setup) {
        s.form.click(c);
        QVERIFY2(brokenRowInvariant(s.form).isEmpty(),
                 qPrintable(c + ": " + brokenRowInvariant(s.form)));
    }
    s.form.click(action);
    QCOMPARE(brokenRowInvariant(s.form), QString());
    for (int i = 0; i < 5; ++i)
        QCOMPARE(s.form.value(QStringLiteral("Check%1").arg(i + 1)), values[i]);
    // Each shown row's duration carries "响铃" exactly when the row is marked.
    for (const RecordRow& r : recordRows) {
        const QString& duration = s.form.element(r.elements.label14).caption;
        if (s.form.element(r.elements.label14).visible)
            QCOMPARE(duration.startsWith(QStringLiteral("响铃")),
                     s.form.value(r.unansweredBox) == 1);
        QVERIFY(duration.lastIndexOf(QStringLiteral("响铃")) <= 0);
    }
    QVERIFY(s.platform.messages.isEmpty());
}

void TestRowMarking::unansweredBoxOfHiddenRowWaits() {
    Started s;
    // Only a command could set the box of a row that is off; its handler must leave the row alone.
    s.form.dispatch([&] { s.form.setValue("Check4", 1); });
    QCOMPARE(s.form.value("Check4"), 1);
    QVERIFY(!s.form.element("Picture2(1)").visible);
    QVERIFY(!s.form.element("Picture1(1)").visible);
    QCOMPARE(s.form.element("md1(1)").foreColor, Black);
    QCOMPARE(s.form.element("Label14(1)").caption, QStringLiteral("34秒"));

    s.form.click("Check1");
    QVERIFY(s.form.element("Picture2(1)").visible);
    QCOMPARE(s.form.element("md1(1)").foreColor, Red);
    QCOMPARE(s.form.element("Label14(1)").caption, QStringLiteral("响铃34秒"));
    QCOMPARE(brokenRowInvariant(s.form), QString());
}
