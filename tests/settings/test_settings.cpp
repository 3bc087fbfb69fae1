// SPDX-License-Identifier: MIT
#include "basic/colour.h"
#include "basic/command_error.h"
#include "basic/conversions.h"
#include "records/row_table.h"
#include "screen/assets.h"
#include "screen/screen_painter.h"
#include "settings/accessible_names.h"
#include "settings/panel_table.h"
#include "support/messages.h"
#include "support/started_form.h"

#include <QSet>
#include <QTest>
#include <map>
#include <string_view>

Q_DECLARE_METATYPE(ErrorKind)

namespace {

// A started program on the fake platform, as the user first sees it.
struct Session : StartedForm {
    const QString& caption(ElementId element) const { return form.element(element).caption; }
    float width(ElementId element) const { return form.element(element).rect.width; }
    PackedColour backColor(ElementId element) const { return form.element(element).backColor; }
};

const QList<ElementId> NumberLabels = {ElementId::NumberLarge, ElementId::NumberLine,
                                       ElementId::Row1Number, ElementId::Row2Number,
                                       ElementId::Row3Number};

// The one message of a failed command: the platform's word for the error, then the field.
void checkSingleError(const FakeServices& platform, ErrorKind kind, const QString& field) {
    QCOMPARE(platform.messages.shown.size(), 1);
    QCOMPARE(platform.messages.warned, platform.messages.shown);
    QVERIFY2(namesErrorAndField(platform.messages.shown[0], kind, field),
             qPrintable(platform.messages.shown[0]));
}

// With record 2 switched on, types text into a field and runs a command on it: a click, or a
// double-click when the control is a text field.
void typeAndRun(Session& s, ControlId field, const QString& text, ControlId control) {
    s.form.click(ControlId::Row2EnableBox);
    s.form.type(field, text);
    if (s.form.definition(control).kind == ControlKind::TextField)
        s.form.dblClick(control);
    else
        s.form.click(control);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void battery_data() {
        QTest::addColumn<ControlId>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // Text1 and Label15 afterwards
        QTest::addColumn<float>("fill");
        QTest::newRow("minus one") << ControlId::BatteryDownButton << "92%"
                                   << "91%" << 286.0f;
        QTest::newRow("minus one from 1 wraps") << ControlId::BatteryDownButton << "1%"
                                                << "100%" << 315.0f;
        QTest::newRow("minus one from 0 wraps") << ControlId::BatteryDownButton << "0%"
                                                << "100%" << 315.0f;
        QTest::newRow("minus one from negative wraps") << ControlId::BatteryDownButton << "-3%"
                                                       << "100%" << 315.0f;
        QTest::newRow("minus one drops the fraction") << ControlId::BatteryDownButton << "91.7%"
                                                      << "90%" << 283.0f;
        QTest::newRow("minus one with blanks") << ControlId::BatteryDownButton << " 80 %"
                                               << "79%" << 248.0f;
        QTest::newRow("minus one without sign") << ControlId::BatteryDownButton << "60"
                                                << "59%" << 185.0f;
        QTest::newRow("submit appends sign") << ControlId::BatterySubmitButton << "50"
                                             << "50%" << 157.0f;
        QTest::newRow("submit keeps inner sign") << ControlId::BatterySubmitButton << "5%0"
                                                 << "5%0" << 157.0f;
        QTest::newRow("submit empty battery") << ControlId::BatterySubmitButton << "0%"
                                              << "0%" << 0.0f;
        QTest::newRow("submit fraction") << ControlId::BatterySubmitButton << "91.7%"
                                         << "91.7%" << 286.0f;
        QTest::newRow("submit beyond full") << ControlId::BatterySubmitButton << "150%"
                                            << "150%" << 472.0f;
        // A negative width is kept as asked and simply draws no fill.
        QTest::newRow("submit negative") << ControlId::BatterySubmitButton << "-5%"
                                         << "-5%" << -16.0f;
    }
    void battery() {
        QFETCH(ControlId, button);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(float, fill);
        Session s;
        s.form.type(ControlId::BatteryField, typed);
        s.form.click(button);
        QCOMPARE(s.platform.messages.shown.size(), 0);
        QCOMPARE(s.form.text(ControlId::BatteryField), shown);
        QCOMPARE(s.caption(ElementId::BatteryText), shown);
        QCOMPARE(s.width(ElementId::BatteryFill), fill);
    }

    void batteryErrors_data() {
        QTest::addColumn<ControlId>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ErrorKind>("kind");
        QTest::addColumn<QString>("field");   // Text1 after the failure
        QTest::addColumn<QString>("caption"); // Label15 after the failure
        QTest::newRow("minus one, letters")
            << ControlId::BatteryDownButton << "abc%" << ErrorKind::TypeMismatch << "abc"
            << "91%";
        QTest::newRow("minus one, lone sign")
            << ControlId::BatteryDownButton << "%" << ErrorKind::TypeMismatch << ""
            << "91%";
        QTest::newRow("minus one, beyond any width") << ControlId::BatteryDownButton << "1e300%"
                                                     << ErrorKind::InvalidPropertyValue << "1e+300"
                                                     << "91%";
        QTest::newRow("submit, letters")
            << ControlId::BatterySubmitButton << "abc" << ErrorKind::TypeMismatch << "abc%"
            << "abc%";
        QTest::newRow("submit, beyond any width") << ControlId::BatterySubmitButton << "1e300"
                                                  << ErrorKind::InvalidPropertyValue << "1e300%"
                                                  << "1e300%";
        QTest::newRow("submit, beyond a double")
            << ControlId::BatterySubmitButton << "1e400" << ErrorKind::Overflow << "1e400%"
            << "1e400%";
    }
    void batteryErrors() {
        QFETCH(ControlId, button);
        QFETCH(QString, typed);
        QFETCH(ErrorKind, kind);
        QFETCH(QString, field);
        QFETCH(QString, caption);
        Session s;
        s.form.type(ControlId::BatteryField, typed);
        s.form.click(button);
        checkSingleError(s.platform, kind, "电量");
        QCOMPARE(s.form.text(ControlId::BatteryField), field);
        QCOMPARE(s.caption(ElementId::BatteryText), caption);
        QCOMPARE(s.width(ElementId::BatteryFill), 286.0f);

        // The program goes on: the mended field works.
        s.form.type(ControlId::BatteryField, "92%");
        s.form.click(ControlId::BatteryDownButton);
        QCOMPARE(s.caption(ElementId::BatteryText), "91%");
        QCOMPARE(s.platform.messages.shown.size(), 1);
    }

    void batteryFillPicture() {
        Session s;
        s.form.type(ControlId::BatteryField, "50");
        s.form.click(ControlId::BatterySubmitButton);
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
        QTest::newRow("two-digit minute, hour unpadded") << QTime(9, 5, 59) << "9:05";
        QTest::newRow("minute below ten") << QTime(15, 7) << "15:07";
        QTest::newRow("midnight") << QTime(0, 0) << "0:00";
        QTest::newRow("last minute") << QTime(23, 59, 59) << "23:59";
        QTest::newRow("afternoon") << QTime(15, 17) << "15:17";
    }
    void clockNow() {
        QFETCH(QTime, now);
        QFETCH(QString, shown);
        Session s;
        s.platform.clock.moment.setTime(now);
        s.form.click(ControlId::ClockNowButton);
        QCOMPARE(s.form.text(ControlId::ClockField), shown);
        QCOMPARE(s.caption(ElementId::ClockText), shown);
    }

    void clockSubmitCopiesAnything() {
        Session s;
        for (const QString& typed : {QStringLiteral(" 25:61 x "), QString()}) {
            s.form.type(ControlId::ClockField, typed);
            s.form.click(ControlId::ClockSubmitButton);
            QCOMPARE(s.caption(ElementId::ClockText), typed);
        }
        QCOMPARE(s.platform.messages.shown.size(), 0);
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
                                      << "236" << 0u << "上侧灰色RGB的绿";
        QTest::newRow("empty") << ""
                               << "218"
                               << "236" << 0u << "上侧灰色RGB的红";
        QTest::newRow("beyond 16 bits") << "225"
                                        << "218"
                                        << "40000" << 0u << "上侧灰色RGB的蓝";
        QTest::newRow("red is read first") << "x"
                                           << "218"
                                           << "y" << 0u << "上侧灰色RGB的红";
    }
    void colour() {
        QFETCH(QString, red);
        QFETCH(QString, green);
        QFETCH(QString, blue);
        QFETCH(uint, colour);
        QFETCH(QString, faultyField);
        Session s;
        s.form.type(ControlId::ColourRedField, red);
        s.form.type(ControlId::ColourGreenField, green);
        s.form.type(ControlId::ColourBlueField, blue);
        s.form.click(ControlId::ColourSaveButton);
        const PackedColour expected = faultyField.isEmpty() ? colour : 0xECDAE1u;
        QCOMPARE(s.backColor(ElementId::BatteryText), expected);
        QCOMPARE(s.backColor(ElementId::ClockText), expected);
        if (faultyField.isEmpty())
            QCOMPARE(s.platform.messages.shown.size(), 0);
        else
            QCOMPARE(s.platform.messages.shown.size(), 1);
        if (!faultyField.isEmpty())
            QVERIFY(
                namesErrorAndField(s.platform.messages.shown[0], ErrorKind::TypeMismatch,
                                   faultyField) ||
                namesErrorAndField(s.platform.messages.shown[0], ErrorKind::Overflow, faultyField));
        QCOMPARE(s.form.text(ControlId::ColourRedField), red);
        QCOMPARE(s.form.text(ControlId::ColourGreenField), green);
        QCOMPARE(s.form.text(ControlId::ColourBlueField), blue);
    }

    // Each kind of error once, and each kind of field that can be at fault: the message names the
    // error, then the field by the label the user reads, with its record, and what to type.
    void messagesSayWhatToType_data() {
        QTest::addColumn<ControlId>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ControlId>("control");
        QTest::addColumn<QString>("message");
        const QString duration = QStringLiteral("，分和秒合计最多 32767 秒（约 9 小时）。");
        QTest::newRow("type mismatch, seconds")
            << ControlId::Row1SecondsField << "x" << ControlId::Row1PlusSevenButton
            << "类型不匹配\n“通话记录1的通话时长（秒）”应填写秒数（例如 11）" + duration;
        QTest::newRow("overflow, minutes")
            << ControlId::Row1MinutesField << "600" << ControlId::ClockAdvanceButton
            << "溢出\n“通话记录1的通话时长（分）”应填写分钟数（例如 1）" + duration;
        QTest::newRow("subscript out of range, time")
            << ControlId::Row1TimeField << "1015" << ControlId::Row2TimeField
            << "下标越界\n“通话记录1的通话时间”应填写时:分（例如 9:05）。";
        QTest::newRow("invalid property value, battery")
            << ControlId::BatteryField << "1e300" << ControlId::BatterySubmitButton
            << "无效的属性值\n“电量”应填写电量的百分数（例如 92%）。";
        QTest::newRow("type mismatch, clock")
            << ControlId::ClockField << "9.05" << ControlId::ClockAdvanceButton
            << "类型不匹配\n“手机时间”应填写时:分（例如 9:05）。";
        QTest::newRow("overflow, colour")
            << ControlId::ColourGreenField << "40000" << ControlId::ColourSaveButton
            << "溢出\n“上侧灰色RGB的绿”应填写 0 到 255 的整数（例如 225）。";
    }
    void messagesSayWhatToType() {
        QFETCH(ControlId, field);
        QFETCH(QString, typed);
        QFETCH(ControlId, control);
        QFETCH(QString, message);
        Session s;
        typeAndRun(s, field, typed, control);
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QCOMPARE(s.platform.messages.shown[0], message);
    }

    // What a Chinese input method types reads as its ASCII form: the same picture but for the
    // captions that show the field as typed, and the field keeps what was typed.
    void fullWidthInput_data() {
        QTest::addColumn<ControlId>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("ascii");
        QTest::addColumn<ControlId>("control");
        QTest::newRow("battery submitted") << ControlId::BatteryField << "９２%"
                                           << "92%" << ControlId::BatterySubmitButton;
        QTest::newRow("battery stepped down") << ControlId::BatteryField << "８０%"
                                              << "80%" << ControlId::BatteryDownButton;
        QTest::newRow("battery after a no-break space") << ControlId::BatteryField << "\u00a0５０%"
                                                        << " 50%" << ControlId::BatterySubmitButton;
        QTest::newRow("clock submitted") << ControlId::ClockField << "１０：２５"
                                         << "10:25" << ControlId::ClockSubmitButton;
        QTest::newRow("clock advanced") << ControlId::ClockField << "１０：２５"
                                        << "10:25" << ControlId::ClockAdvanceButton;
        QTest::newRow("seconds with a point") << ControlId::Row1SecondsField << "１１．５"
                                              << "11.5" << ControlId::Row1PlusSevenButton;
        QTest::newRow("negative colour in ideographic spaces")
            << ControlId::ColourRedField << "\u3000－５\u3000"
            << " -5 " << ControlId::ColourSaveButton;
        QTest::newRow("signed colour") << ControlId::ColourBlueField << "＋２００"
                                       << "+200" << ControlId::ColourSaveButton;
        QTest::newRow("time of the record above") << ControlId::Row1TimeField << "１０：２５"
                                                  << "10:25" << ControlId::Row2TimeField;
    }
    void fullWidthInput() {
        QFETCH(ControlId, field);
        QFETCH(QString, typed);
        QFETCH(QString, ascii);
        QFETCH(ControlId, control);
        Session wide;
        Session plain;
        typeAndRun(wide, field, typed, control);
        typeAndRun(plain, field, ascii, control);
        QCOMPARE(wide.platform.messages.shown.size(), 0);
        QCOMPARE(plain.platform.messages.shown.size(), 0);
        for (const ControlId id :
             {ControlId::BatteryField, ControlId::ClockField, ControlId::Row1SecondsField,
              ControlId::ColourRedField, ControlId::ColourBlueField, ControlId::Row1TimeField,
              ControlId::Row2TimeField})
            QCOMPARE(numberReading(wide.form.text(id)), plain.form.text(id));
        // A command that leaves the ASCII text as it is leaves the typed one as it is.
        if (plain.form.text(field) == ascii)
            QCOMPARE(wide.form.text(field), typed);
        const std::vector<ScreenElement>& shown = wide.form.elements();
        const std::vector<ScreenElement>& expected = plain.form.elements();
        for (std::size_t i = 0; i < shown.size(); ++i) {
            QCOMPARE(numberReading(shown[i].caption), expected[i].caption);
            QCOMPARE(shown[i].rect, expected[i].rect);
            QCOMPARE(shown[i].backColor, expected[i].backColor);
        }
    }

    // The full-width percent sign of a Chinese input method is a percent sign: submitting adds no
    // second one, and the level and the step down read through it.
    void fullWidthPercentSign_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ControlId>("control");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("ascii");
        QTest::newRow("submitted") << "９２％" << ControlId::BatterySubmitButton << "９２％"
                                   << "92%";
        QTest::newRow("both signs") << "92％%" << ControlId::BatterySubmitButton << "92％%"
                                    << "92%";
        QTest::newRow("stepped down") << "８０％" << ControlId::BatteryDownButton << "79%"
                                      << "80%";
    }
    void fullWidthPercentSign() {
        QFETCH(QString, typed);
        QFETCH(ControlId, control);
        QFETCH(QString, kept);
        QFETCH(QString, ascii);
        Session wide;
        Session plain;
        typeAndRun(wide, ControlId::BatteryField, typed, control);
        typeAndRun(plain, ControlId::BatteryField, ascii, control);
        QCOMPARE(wide.platform.messages.shown.size(), 0);
        QCOMPARE(wide.form.text(ControlId::BatteryField), kept);
        QCOMPARE(wide.form.element(ElementId::BatteryText).caption, kept);
        QCOMPARE(wide.form.element(ElementId::BatteryFill).rect,
                 plain.form.element(ElementId::BatteryFill).rect);
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
        s.form.type(ControlId::NumberField, typed);
        s.form.click(ControlId::NumberSubmitButton);
        for (const ElementId label : NumberLabels)
            QCOMPARE(s.caption(label), shown);
        QCOMPARE(s.form.text(ControlId::NumberField), typed);
    }

    void paste_data() {
        QTest::addColumn<ControlId>("button");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("field");   // the button's field afterwards
        QTest::addColumn<QString>("caption"); // its screen label afterwards
        // Before each paste the fields hold "15900001111" and "上海 电信", not yet submitted.
        QTest::newRow("number") << ControlId::NumberPasteButton << "139 1234 5678" << false
                                << "139 1234 5678"
                                << "139 1234 5678";
        QTest::newRow("number with line break") << ControlId::NumberPasteButton << "13800138000\r\n"
                                                << false << "13800138000\r\n"
                                                << "13800138000\r\n";
        QTest::newRow("number, empty clipboard")
            << ControlId::NumberPasteButton << "" << false << "15900001111"
            << "138 0013 8000";
        QTest::newRow("number, picture only")
            << ControlId::NumberPasteButton << "" << true << "15900001111"
            << "138 0013 8000";
        QTest::newRow("location") << ControlId::LocationPasteButton << u"北京 联通 "_qs << false
                                  << u"北京 联通 "_qs << u"北京 联通 "_qs;
        QTest::newRow("location, empty clipboard") << ControlId::LocationPasteButton << "" << false
                                                   << u"上海 电信"_qs << u"广东湛江 移动"_qs;
        QTest::newRow("location, picture only") << ControlId::LocationPasteButton << "" << true
                                                << u"上海 电信"_qs << u"广东湛江 移动"_qs;
    }
    void paste() {
        QFETCH(ControlId, button);
        QFETCH(QString, clipboard);
        QFETCH(bool, picture);
        QFETCH(QString, field);
        QFETCH(QString, caption);
        Session s;
        s.form.type(ControlId::NumberField, "15900001111");
        s.form.type(ControlId::LocationField, u"上海 电信"_qs);
        s.platform.clipboard.textValue = clipboard;
        if (picture) {
            s.platform.clipboard.pictureValue = QImage(8, 8, QImage::Format_RGB32);
            s.platform.clipboard.pictureValue.fill(Qt::red);
        }
        s.form.click(button);
        const bool number = button == ControlId::NumberPasteButton;
        QCOMPARE(s.form.text(number ? ControlId::NumberField : ControlId::LocationField), field);
        for (const ElementId label : number ? NumberLabels : QList<ElementId>{ElementId::Location})
            QCOMPARE(s.caption(label), caption);
    }

    // An owner of the clipboard that never answers, or a text longer than the field holds, as the
    // reader finds it or as it reads: the paste says so, once, naming the field and what it holds,
    // and changes nothing.
    void pasteFromAClipboardThatCannotBeRead() {
        const struct {
            bool answers;
            bool tooLarge;
            qsizetype length;
        } clipboards[] = {
            {false, false, 11}, {true, true, 11}, {true, false, Form::MaxFieldText + 1}};
        for (const auto& clipboard : clipboards)
            for (const ControlId button :
                 {ControlId::NumberPasteButton, ControlId::LocationPasteButton}) {
                Session s;
                s.form.type(ControlId::NumberField, "15900001111");
                s.form.type(ControlId::LocationField, u"上海 电信"_qs);
                s.platform.clipboard.textValue = QString(clipboard.length, u'1');
                s.platform.clipboard.answers = clipboard.answers;
                s.platform.clipboard.tooLarge = clipboard.tooLarge;
                s.form.click(button);
                QCOMPARE(s.platform.messages.shown.size(), 1);
                const PanelControl& field = s.form.definition(button == ControlId::NumberPasteButton
                                                                  ? ControlId::NumberField
                                                                  : ControlId::LocationField);
                QCOMPARE(s.platform.messages.shown[0],
                         clipboard.answers ? Form::tooLongFor(field).message()
                                           : errorText(ErrorKind::ClipboardNoAnswer));
                QCOMPARE(s.form.text(ControlId::NumberField), "15900001111");
                QCOMPARE(s.form.text(ControlId::LocationField), u"上海 电信"_qs);
                QCOMPARE(s.caption(ElementId::NumberLarge), "138 0013 8000");
                QCOMPARE(s.caption(ElementId::Location), u"广东湛江 移动"_qs);
            }
    }

    void locationSubmitCopiesUnchanged() {
        Session s;
        const QString typed = u"  湛江 移动\t4G  "_qs;
        s.form.type(ControlId::LocationField, typed);
        s.form.click(ControlId::LocationSubmitButton);
        QCOMPARE(s.caption(ElementId::Location), typed);
    }

    void doubleClickEmptiesNumberOnly() {
        Session s;
        s.form.dblClick(ControlId::NumberField);
        QCOMPARE(s.form.text(ControlId::NumberField), "");
        QCOMPARE(s.caption(ElementId::NumberLarge), "138 0013 8000");
        s.form.click(ControlId::NumberSubmitButton);
        for (const ElementId label : NumberLabels)
            QCOMPARE(s.caption(label), "");
    }

    // Return in a field presses the button that submits the field's row: a button on the field's
    // line, to its right, that takes what was typed there.
    void returnPressesItsRowsButton_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        const std::map<std::string_view, const char*> typed = {
            {"Text1", "50%"},   {"Text2", "8:05"}, {"Text3", "139"},   {"Text4", "x"},
            {"Text5", "3"},     {"Text6", "3"},    {"Text20", "8:05"}, {"Text7", "3"},
            {"Text8", "3"},     {"Text15", "3"},   {"Text14", "3"},    {"Text21", "8:05"},
            {"Text13", "3"},    {"Text12", "3"},   {"Text19", "3"},    {"Text18", "3"},
            {"Text22", "8:05"}, {"Text17", "3"},   {"Text16", "3"},    {"Text9", "100"},
            {"Text10", "100"},  {"Text11", "100"}};
        for (const PanelControl& c : panelTable())
            if (c.kind == ControlKind::TextField)
                QTest::newRow(c.name)
                    << QString::fromLatin1(c.name) << QString::fromUtf8(typed.at(c.name));
    }

    void returnPressesItsRowsButton() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        Session s;
        const ControlId id = *s.form.controlNamed(field);
        const PanelControl& c = s.form.definition(id);
        QVERIFY(c.returnPresses);
        const PanelControl& button = s.form.definition(*c.returnPresses);
        QCOMPARE(button.kind, ControlKind::Button);
        QVERIFY(button.rect.left >= c.rect.left + c.rect.width);
        QVERIFY(button.rect.top <= c.rect.top && c.rect.top < button.rect.top + button.rect.height);

        s.form.click(ControlId::Row2EnableBox);
        s.form.click(ControlId::Row3EnableBox);
        Session untyped;
        untyped.form.click(ControlId::Row2EnableBox);
        untyped.form.click(ControlId::Row3EnableBox);
        s.form.type(id, typed);
        untyped.form.type(id, typed);
        s.form.click(*c.returnPresses);
        // What the button took shows on the phone screen.
        QVERIFY(s.form.elements() != untyped.form.elements());
        QVERIFY(s.platform.messages.shown.isEmpty());
    }

    void numberPicture() {
        Session s;
        const QImage before = renderWindow(s.form);
        s.form.type(ControlId::NumberField, "07592345678");
        s.form.click(ControlId::NumberSubmitButton);
        const QImage after = renderWindow(s.form);
        const ScreenElement& phone1 = s.form.element(ElementId::NumberLarge);
        const QRect area(qRound(phone1.rect.left / 15), qRound(phone1.rect.top / 15),
                         qRound(phone1.rect.width / 15), qRound(phone1.rect.height / 15));
        QVERIFY(before.copy(area) != after.copy(area));
    }

    // A screen reader tells the controls apart by their names alone: every one has its own, a
    // button, box or caption's begins with what the user sees on it, and a field's holds the
    // caption that stands first on its line.
    void accessibleNamesTellEveryControlApart() {
        QSet<QString> names;
        for (const PanelControl& c : panelTable()) {
            const QString name = accessibleName(c);
            if (c.kind == ControlKind::Line) {
                QVERIFY(name.isEmpty());
                continue;
            }
            QVERIFY2(!name.isEmpty(), c.name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            if (c.kind != ControlKind::TextField) {
                QVERIFY2(name.startsWith(QString::fromUtf8(c.text).trimmed()), qPrintable(name));
                continue;
            }
            const PanelControl* lineCaption = nullptr;
            for (const PanelControl& other : panelTable())
                if (other.kind == ControlKind::Label && other.rect.top == c.rect.top &&
                    other.rect.left < c.rect.left &&
                    (!lineCaption || other.rect.left < lineCaption->rect.left))
                    lineCaption = &other;
            QVERIFY2(lineCaption, c.name);
            const QString caption = QString::fromUtf8(lineCaption->text).remove(u'：');
            QVERIFY2(name.contains(caption), qPrintable(name));
        }
    }

    // Everything of a call record says which record it is, the same way in the three.
    void accessibleNamesSayTheirRecord() {
        for (std::size_t i = 0; i < recordRows.size(); ++i) {
            const RecordRow& row = recordRows[i];
            const QString record = QStringLiteral("通话记录%1").arg(i + 1);
            QList<ControlId> controls = {row.fields.month,          row.fields.day,
                                         row.fields.time,           row.fields.minutes,
                                         row.fields.seconds,        row.unansweredBox,
                                         row.buttons.today,         row.buttons.submitDateTime,
                                         row.buttons.now,           row.buttons.plusSeven,
                                         row.buttons.submitDuration};
            if (row.enablingBox)
                controls.append(*row.enablingBox);
            for (const ControlId id : controls) {
                const QString name = accessibleName(panelTable()[std::size_t(id)]);
                QVERIFY2(name.contains(record), qPrintable(name));
                for (const QString& other :
                     {QStringLiteral("通话记录1"), QStringLiteral("通话记录2"),
                      QStringLiteral("通话记录3")})
                    QVERIFY2(other == record || !name.contains(other), qPrintable(name));
            }
        }
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
