#include "basic/colour.h"
#include "basic/command_error.h"
#include "screen/assets.h"
#include "screen/form.h"
#include "screen/screen_painter.h"
#include "support/fake_platform.h"

#include <QTest>

Q_DECLARE_METATYPE(ErrorKind)

namespace {

// A started program on the fake platform, as the user first sees it.
struct Session {
    FakePlatform platform;
    Form form{platform};
    Session() { form.start(); }

    const QString& caption(const QString& element) const { return form.element(element).caption; }
    float width(const QString& element) const { return form.element(element).rect.width; }
    OleColor backColor(const QString& element) const { return form.element(element).backColor; }
};

const QStringList NumberLabels = {QStringLiteral("phone1"), QStringLiteral("phone2"),
                                  QStringLiteral("phone3(0)"), QStringLiteral("phone3(1)"),
                                  QStringLiteral("phone3(2)")};

// The one message of a failed command: the platform's word for the error, then the field.
void checkSingleError(const FakePlatform& platform, ErrorKind kind, const QString& field) {
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages[0].text.startsWith(errorText(kind)),
             qPrintable(platform.messages[0].text));
    QVERIFY2(platform.messages[0].text.contains(field), qPrintable(platform.messages[0].text));
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void battery_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // Text1 and Label15 afterwards
        QTest::addColumn<float>("fill");
        QTest::newRow("minus one") << "Command1"
                                   << "92%"
                                   << "91%" << 286.0f;
        QTest::newRow("minus one from 1 wraps") << "Command1"
                                                << "1%"
                                                << "100%" << 315.0f;
        QTest::newRow("minus one from 0 wraps") << "Command1"
                                                << "0%"
                                                << "100%" << 315.0f;
        QTest::newRow("minus one from negative wraps") << "Command1"
                                                       << "-3%"
                                                       << "100%" << 315.0f;
        QTest::newRow("minus one drops the fraction") << "Command1"
                                                      << "91.7%"
                                                      << "90%" << 283.0f;
        QTest::newRow("minus one with blanks") << "Command1"
                                               << " 80 %"
                                               << "79%" << 248.0f;
        QTest::newRow("minus one without sign") << "Command1"
                                                << "60"
                                                << "59%" << 185.0f;
        QTest::newRow("submit appends sign") << "Command2"
                                             << "50"
                                             << "50%" << 157.0f;
        QTest::newRow("submit keeps inner sign") << "Command2"
                                                 << "5%0"
                                                 << "5%0" << 157.0f;
        QTest::newRow("submit empty battery") << "Command2"
                                              << "0%"
                                              << "0%" << 0.0f;
        QTest::newRow("submit fraction") << "Command2"
                                         << "91.7%"
                                         << "91.7%" << 286.0f;
        QTest::newRow("submit beyond full") << "Command2"
                                            << "150%"
                                            << "150%" << 472.0f;
        // A negative width is kept as asked and simply draws no fill.
        QTest::newRow("submit negative") << "Command2"
                                         << "-5%"
                                         << "-5%" << -16.0f;
    }
    void battery() {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(float, fill);
        Session s;
        s.form.type("Text1", typed);
        s.form.click(button);
        QCOMPARE(s.platform.messages.size(), 0);
        QCOMPARE(s.form.text("Text1"), shown);
        QCOMPARE(s.caption("Label15"), shown);
        QCOMPARE(s.width("Image4"), fill);
    }

    void batteryErrors_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ErrorKind>("kind");
        QTest::addColumn<QString>("field");   // Text1 after the failure
        QTest::addColumn<QString>("caption"); // Label15 after the failure
        QTest::newRow("minus one, letters") << "Command1"
                                            << "abc%" << ErrorKind::TypeMismatch << "abc"
                                            << "91%";
        QTest::newRow("minus one, lone sign") << "Command1"
                                              << "%" << ErrorKind::TypeMismatch << ""
                                              << "91%";
        QTest::newRow("minus one, beyond any width")
            << "Command1"
            << "1e300%" << ErrorKind::InvalidPropertyValue << "1e+300"
            << "91%";
        QTest::newRow("submit, letters") << "Command2"
                                         << "abc" << ErrorKind::TypeMismatch << "abc%"
                                         << "abc%";
        QTest::newRow("submit, beyond any width")
            << "Command2"
            << "1e300" << ErrorKind::InvalidPropertyValue << "1e300%"
            << "1e300%";
        QTest::newRow("submit, beyond a double") << "Command2"
                                                 << "1e400" << ErrorKind::Overflow << "1e400%"
                                                 << "1e400%";
    }
    void batteryErrors() {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(ErrorKind, kind);
        QFETCH(QString, field);
        QFETCH(QString, caption);
        Session s;
        s.form.type("Text1", typed);
        s.form.click(button);
        checkSingleError(s.platform, kind, "Text1");
        QCOMPARE(s.form.text("Text1"), field);
        QCOMPARE(s.caption("Label15"), caption);
        QCOMPARE(s.width("Image4"), 286.0f);

        // The program goes on: the mended field works.
        s.form.type("Text1", "92%");
        s.form.click("Command1");
        QCOMPARE(s.caption("Label15"), "91%");
        QCOMPARE(s.platform.messages.size(), 1);
    }

    void batteryFillPicture() {
        Session s;
        s.form.type("Text1", "50");
        s.form.click("Command2");
        const QImage picture = renderWindow(s.form);
        const QImage& fill = assetImage(Asset::BatteryFill);
        const QImage& background = assetImage(Asset::PhoneBackground);
        // Image4 covers pixels 421..441 x 13..22; 157 twips end at pixel edge 431.
        for (int y = 13; y <= 22; ++y) {
            for (int x = 421; x <= 441; ++x) {
                const QRgb expected =
                    x < 431 ? fill.pixel(x - 421, y - 13) : background.pixel(x, y);
                QVERIFY2(picture.pixel(x, y) == expected,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    void clockNow_data() {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no leading zeros") << QTime(9, 5, 59) << "9:5";
        QTest::newRow("minute below ten") << QTime(15, 7) << "15:7";
        QTest::newRow("midnight") << QTime(0, 0) << "0:0";
        QTest::newRow("afternoon") << QTime(15, 17) << "15:17";
    }
    void clockNow() {
        QFETCH(QTime, now);
        QFETCH(QString, shown);
        Session s;
        s.platform.clock.setTime(now);
        s.form.click("Command3");
        QCOMPARE(s.form.text("Text2"), shown);
        QCOMPARE(s.caption("Label17"), shown);
    }

    void clockSubmitCopiesAnything() {
        Session s;
        for (const QString& typed : {QStringLiteral(" 25:61 x "), QString()}) {
            s.form.type("Text2", typed);
            s.form.click("Command4");
            QCOMPARE(s.caption("Label17"), typed);
        }
        QCOMPARE(s.platform.messages.size(), 0);
    }

    void colour_data() {
        QTest::addColumn<QString>("red");
        QTest::addColumn<QString>("green");
        QTest::addColumn<QString>("blue");
        QTest::addColumn<uint>("colour");
        QTest::addColumn<QString>("faultyField"); // empty: no error
        QTest::newRow("defaults") << "225"
                                  << "218"
                                  << "236" << 0xECDAE1u << "";
        QTest::newRow("above 255") << "300"
                                   << "0"
                                   << "0" << 0x0000FFu << "";
        QTest::newRow("halves to even") << "12.5"
                                        << "13.5"
                                        << " 7 " << 0x070E0Cu << "";
        QTest::newRow("negative") << "-5"
                                  << "10"
                                  << "20" << 0x140A00u << "";
        QTest::newRow("not a number") << "225"
                                      << "abc"
                                      << "236" << 0u << "Text10";
        QTest::newRow("empty") << ""
                               << "218"
                               << "236" << 0u << "Text9";
        QTest::newRow("beyond 16 bits") << "225"
                                        << "218"
                                        << "40000" << 0u << "Text11";
        QTest::newRow("red is read first") << "x"
                                           << "218"
                                           << "y" << 0u << "Text9";
    }
    void colour() {
        QFETCH(QString, red);
        QFETCH(QString, green);
        QFETCH(QString, blue);
        QFETCH(uint, colour);
        QFETCH(QString, faultyField);
        Session s;
        s.form.type("Text9", red);
        s.form.type("Text10", green);
        s.form.type("Text11", blue);
        s.form.click("Command13");
        const OleColor expected = faultyField.isEmpty() ? colour : 0xECDAE1u;
        QCOMPARE(s.backColor("Label15"), expected);
        QCOMPARE(s.backColor("Label17"), expected);
        if (faultyField.isEmpty())
            QCOMPARE(s.platform.messages.size(), 0);
        else
            QCOMPARE(s.platform.messages.size(), 1);
        if (!faultyField.isEmpty())
            QVERIFY(s.platform.messages[0].text.contains(faultyField));
        QCOMPARE(s.form.text("Text9"), red);
        QCOMPARE(s.form.text("Text10"), green);
        QCOMPARE(s.form.text("Text11"), blue);
    }

    void numberGrouping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("mobile") << "13800138000"
                                << "138 0013 8000";
        QTest::newRow("mobile typed grouped") << "138 0013 8000"
                                              << "138 0013 8000";
        QTest::newRow("mobile blanks anywhere") << " 1380 0138 000 "
                                                << "138 0013 8000";
        QTest::newRow("fixed line") << "07592345678"
                                    << "0759 2345678";
        QTest::newRow("fixed line, short area code") << "02012345678"
                                                     << "0201 2345678";
        QTest::newRow("ten characters") << "1380013800"
                                        << "1380013800";
        QTest::newRow("five characters") << "13800"
                                         << "13800";
        QTest::newRow("twelve characters") << "138001380001"
                                           << "138001380001";
        QTest::newRow("country prefix") << "+8613800138000"
                                        << "+8613800138000";
        QTest::newRow("letters") << "1abcdefghij"
                                 << "1ab cdef ghij";
        QTest::newRow("hyphens") << "138-0013-8000"
                                 << "138-0013-8000";
        QTest::newRow("line break") << "13800138000\r\n"
                                    << "13800138000\r\n";
        QTest::newRow("full-width blank counts")
            << u"138\u30000013800"_qs << u"138 \u3000001 3800"_qs;
        QTest::newRow("full-width blank kept")
            << u"138\u300000138000"_qs << u"138\u300000138000"_qs;
        QTest::newRow("tab kept") << "138\t0013800"
                                  << "138 \t001 3800";
        QTest::newRow("characters beyond the basic plane")
            << u"1😀😀😀😀😀😀😀😀😀😀"_qs << u"1😀😀 😀😀😀😀 😀😀😀😀"_qs;
        QTest::newRow("empty") << ""
                               << "";
    }
    void numberGrouping() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Session s;
        s.form.type("Text3", typed);
        s.form.click("Command6");
        for (const QString& label : NumberLabels)
            QCOMPARE(s.caption(label), shown);
        QCOMPARE(s.form.text("Text3"), typed);
    }

    void paste_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("field");   // the button's field afterwards
        QTest::addColumn<QString>("caption"); // its screen label afterwards
        // Before each paste the fields hold "15900001111" and "上海 电信", not yet submitted.
        QTest::newRow("number") << "Command5"
                                << "139 1234 5678" << false << "139 1234 5678"
                                << "139 1234 5678";
        QTest::newRow("number with line break") << "Command5"
                                                << "13800138000\r\n"
                                                << false << "13800138000\r\n"
                                                << "13800138000\r\n";
        QTest::newRow("number, empty clipboard") << "Command5"
                                                 << "" << false << "15900001111"
                                                 << "138 0013 8000";
        QTest::newRow("number, picture only") << "Command5"
                                              << "" << true << "15900001111"
                                              << "138 0013 8000";
        QTest::newRow("location") << "Command7" << u"北京 联通 "_qs << false << u"北京 联通 "_qs
                                  << u"北京 联通 "_qs;
        QTest::newRow("location, empty clipboard")
            << "Command7"
            << "" << false << u"上海 电信"_qs << u"广东湛江 移动"_qs;
        QTest::newRow("location, picture only")
            << "Command7"
            << "" << true << u"上海 电信"_qs << u"广东湛江 移动"_qs;
    }
    void paste() {
        QFETCH(QString, button);
        QFETCH(QString, clipboard);
        QFETCH(bool, picture);
        QFETCH(QString, field);
        QFETCH(QString, caption);
        Session s;
        s.form.type("Text3", "15900001111");
        s.form.type("Text4", u"上海 电信"_qs);
        s.platform.clipboardTextValue = clipboard;
        if (picture) {
            s.platform.clipboardImageValue = QImage(8, 8, QImage::Format_RGB32);
            s.platform.clipboardImageValue.fill(Qt::red);
        }
        s.form.click(button);
        const bool number = button == "Command5";
        QCOMPARE(s.form.text(number ? "Text3" : "Text4"), field);
        for (const QString& label : number ? NumberLabels : QStringList{"yys"})
            QCOMPARE(s.caption(label), caption);
    }

    // An owner of the clipboard that never answers: the paste says so, once, and changes nothing.
    void pasteFromAClipboardThatDoesNotAnswer() {
        for (const char* button : {"Command5", "Command7"}) {
            Session s;
            s.form.type("Text3", "15900001111");
            s.form.type("Text4", u"上海 电信"_qs);
            s.platform.clipboardTextValue = "13912345678";
            s.platform.clipboardAnswers = false;
            s.form.click(QString::fromLatin1(button));
            QCOMPARE(s.platform.messages.size(), 1);
            QCOMPARE(s.platform.messages[0].text, u"剪贴板没有响应"_qs);
            QCOMPARE(s.form.text("Text3"), "15900001111");
            QCOMPARE(s.form.text("Text4"), u"上海 电信"_qs);
            QCOMPARE(s.caption("phone1"), "138 0013 8000");
            QCOMPARE(s.caption("yys"), u"广东湛江 移动"_qs);
        }
    }

    void locationSubmitCopiesUnchanged() {
        Session s;
        const QString typed = u"  湛江 移动\t4G  "_qs;
        s.form.type("Text4", typed);
        s.form.click("Command8");
        QCOMPARE(s.caption("yys"), typed);
    }

    void doubleClickEmptiesNumberOnly() {
        Session s;
        s.form.dblClick("Text3");
        QCOMPARE(s.form.text("Text3"), "");
        QCOMPARE(s.caption("phone1"), "138 0013 8000");
        s.form.click("Command6");
        for (const QString& label : NumberLabels)
            QCOMPARE(s.caption(label), "");
    }

    void numberPicture() {
        Session s;
        const QImage before = renderWindow(s.form);
        s.form.type("Text3", "07592345678");
        s.form.click("Command6");
        const QImage after = renderWindow(s.form);
        const ScreenElement& phone1 = s.form.element("phone1");
        const QRect area(qRound(phone1.rect.left / 15), qRound(phone1.rect.top / 15),
                         qRound(phone1.rect.width / 15), qRound(phone1.rect.height / 15));
        QVERIFY(before.copy(area) != after.copy(area));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
