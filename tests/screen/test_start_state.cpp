#include "screen_tests.h"

#include "screen/form.h"
#include "support/fake_platform.h"

#include <QTest>

namespace {

struct Started {
    FakePlatform platform;
    Form form{platform};
    Started() { form.start(); }
};

} // namespace

void TestStartState::window() {
    Started s;
    QCOMPARE(s.form.width(), 13335.0f);
    QCOMPARE(s.form.height(), 12810.0f);
    QCOMPARE(s.form.caption(), QStringLiteral("Vokarelo"));
    QVERIFY(!s.form.timer1Running());
    QVERIFY(s.platform.messages.isEmpty());
}

void TestStartState::statusBarAndBattery() {
    Started s;
    QCOMPARE(s.form.element("Label15").backColor, OleColor(0x00ECDAE1));
    QCOMPARE(s.form.element("Label17").backColor, OleColor(0x00ECDAE1));
    QCOMPARE(s.form.image4w, 315);
    QCOMPARE(s.form.element("Image4").rect.width, 286.0f);
    // The screen shows 91 % while the field holds 92 %: start-up does not align them.
    QCOMPARE(s.form.element("Label15").caption, QStringLiteral("91%"));
    QCOMPARE(s.form.text("Text1"), QStringLiteral("92%"));
}

void TestStartState::elementsAtStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<OleColor>("fore");
    QTest::newRow("phone1") << "phone1"
                            << "138 0013 8000" << true << ButtonTextColour;
    QTest::newRow("phone2") << "phone2"
                            << "138 0013 8000" << true << Black;
    QTest::newRow("yys") << "yys"
                         << "广东湛江 移动" << true << OleColor(0xC0C0C0);
    QTest::newRow("md1(0)") << "md1(0)"
                            << "10月14日 9:32" << true << Black;
    QTest::newRow("md1(1)") << "md1(1)"
                            << "10月10日 10:12" << false << Black;
    QTest::newRow("md1(2)") << "md1(2)"
                            << "10月8日 15:47" << false << Black;
    QTest::newRow("phone3(2)") << "phone3(2)"
                               << "138 0013 8000" << false << OleColor(0x808080);
    QTest::newRow("Label14(0)") << "Label14(0)"
                                << "1分11秒" << true << OleColor(0xC0C0C0);
    QTest::newRow("Label14(1)") << "Label14(1)"
                                << "34秒" << false << OleColor(0xC0C0C0);
    QTest::newRow("Label14(2)") << "Label14(2)"
                                << "19秒" << false << OleColor(0xC0C0C0);
}

void TestStartState::elementsAtStart() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, visible);
    QFETCH(OleColor, fore);
    Started s;
    const ScreenElement& e = s.form.element(name);
    QCOMPARE(e.caption, caption);
    QCOMPARE(e.visible, visible);
    QCOMPARE(e.foreColor, fore);
    QCOMPARE(e.backColor, White);
}

void TestStartState::unansweredIconsLieOnCallIcons() {
    Started s;
    const float tops[3] = {7530, 8895, 10335};
    for (int i = 0; i < 3; ++i) {
        const ScreenElement& call = s.form.element(indexed("Picture1", i));
        const ScreenElement& missed = s.form.element(indexed("Picture2", i));
        QCOMPARE(missed.rect.left, 360.0f);
        QCOMPARE(missed.rect.top, tops[i]);
        QCOMPARE(call.rect.top, tops[i]);
        QVERIFY(!missed.visible);
        QCOMPARE(call.visible, i == 0);
    }
    QVERIFY(!s.form.element("Image3").visible);
    QVERIFY(s.form.element("Image1").visible);
}

void TestStartState::panelDefaults() {
    Started s;
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "92%"},         {"Text2", "15:17"},
        {"Text3", "13800138000"}, {"Text4", "广东湛江 移动"},
        {"Text5", "10"},          {"Text6", "15"},
        {"Text20", "9:01"},       {"Text7", "1"},
        {"Text8", "11"},          {"Text15", "10"},
        {"Text14", "10"},         {"Text21", "10:12"},
        {"Text13", ""},           {"Text12", "34"},
        {"Text19", "10"},         {"Text18", "8"},
        {"Text22", "15:47"},      {"Text17", ""},
        {"Text16", "19"},         {"Text9", "225"},
        {"Text10", "218"},        {"Text11", "236"},
    };
    for (const auto& [field, text] : fields)
        QCOMPARE(s.form.text(field), QString::fromUtf8(text));
    for (const char* box : {"Check1", "Check2", "Check3", "Check4", "Check5"})
        QCOMPARE(s.form.value(box), 0);
    QCOMPARE(s.form.value("Check6"), 1);
    QVERIFY(!s.form.enabled("Check4"));
    QVERIFY(!s.form.enabled("Check5"));
    QVERIFY(s.form.enabled("Check3"));
    QVERIFY(!s.form.visible("Label34"));
}

void TestStartState::checkBoxRules() {
    Started s;
    // A disabled box takes no click and keeps its Value.
    s.form.click("Check4");
    QCOMPARE(s.form.value("Check4"), 0);
    // A click toggles; Check6 has no handler and is only read.
    s.form.click("Check6");
    QCOMPARE(s.form.value("Check6"), 0);
    s.form.click("Check6");
    QCOMPARE(s.form.value("Check6"), 1);
    // A hidden label takes no click: nothing may happen before the first capture shows it.
    s.form.click("Label34");
    QCOMPARE(s.form.caption(), QStringLiteral("Vokarelo"));
    QVERIFY(s.platform.messages.isEmpty());
}

void TestStartState::startUpErrorIsReportedNotFatal() {
    FakePlatform platform;
    Form form(platform);
    // Start-up reads blue, green, red: of two faulty fields green is named.
    form.setText("Text9", "x");
    form.setText("Text10", "abc");
    form.start();
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.startsWith(QStringLiteral("类型不匹配")));
    QVERIFY(platform.messages[0].text.contains(QStringLiteral("Text10")));
    QCOMPARE(platform.messages[0].title, QStringLiteral("Vokarelo"));
    // Nothing after the failing step ran; the form is still usable.
    QCOMPARE(form.image4w, 0);
    QCOMPARE(form.element("Label15").backColor, White);
}
