#include "screen/fonts.h"
#include "support/messages.h"
#include "support/recorded_form.h"
#include "support/run_tests.h"
#include "support/script_run.h"
#include "window/capture.h"
#include <QObject>

#include <QTest>
#include <stdexcept>

class TestSetups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void replayMakesTheSamePicture_data();
    void replayMakesTheSamePicture();
    void scriptIsReadable();
    void unsavedActions();
    void openedScriptRunsInTheWindow();
    void openedScriptCanBeStopped();
    void interruptedRunGivesTheWindowBack();
};

namespace {

using enum ControlId;

// A user's session in the window, action by action, with the fake platform's clock and clipboard
// set as the user found them.
using UserSession = void (*)(RecordedForm&);

const QDateTime Morning(QDate(2024, 10, 14), QTime(9, 32, 5));
const QDateTime Midnight(QDate(2024, 10, 15), QTime(0, 1, 30));

void statusBar(RecordedForm& w) {
    SetupRecorder& r = w.recorder();
    r.type(BatteryField, QStringLiteral("57"));
    r.click(BatterySubmitButton);
    r.click(BatteryDownButton);
    r.click(ClockNowButton);
    r.type(ColourRedField, QStringLiteral("200"));
    r.click(ColourSaveButton);
}

void pastedNumberAndLocation(RecordedForm& w) {
    SetupRecorder& r = w.recorder();
    w.platform.clipboardTextValue = QStringLiteral("13912345678");
    r.click(NumberPasteButton);
    w.platform.clipboardTextValue = QStringLiteral("广东\\广州\n移动 ");
    r.click(LocationPasteButton);
    r.click(NumberPasteButton); // the same clipboard again: the number changes back
    r.type(NumberField, QStringLiteral("010 1234567"));
    r.click(NumberSubmitButton);
}

void rowsOnMarkedAndDerived(RecordedForm& w) {
    SetupRecorder& r = w.recorder();
    r.click(Row2EnableBox);
    r.click(Row3EnableBox);
    r.click(Row2TodayButton);
    r.click(Row1NowButton);
    w.platform.clock = Midnight;
    r.click(Row3NowButton);
    r.dblClick(Row2TimeField);
    r.dblClick(Row3TimeField);
    r.click(Row2MissedBox);
    r.type(Row1SecondsField, QStringLiteral("15"));
    r.click(Row1PlusSevenButton);
    r.click(ClockAdvanceButton);
    r.click(Row1MissedBox);
    r.click(Row1DurationSubmitButton);
}

void rowsSwitchedOffAgain(RecordedForm& w) {
    SetupRecorder& r = w.recorder();
    r.click(Row2EnableBox);
    r.type(Row2MinutesField, QStringLiteral("3"));
    r.click(Row2DurationSubmitButton);
    r.click(Row2MissedBox);
    r.click(Row3EnableBox);
    r.click(Row2EnableBox); // hides both rows and clears row 3's box
}

// Errors: one that stops its command before it writes anything, and one after it wrote.
void errors(RecordedForm& w) {
    SetupRecorder& r = w.recorder();
    r.type(Row1SecondsField, QStringLiteral("x"));
    r.click(Row1PlusSevenButton);
    r.type(BatteryField, QStringLiteral("abc"));
    r.click(BatterySubmitButton);
    r.type(Row1TimeField, QStringLiteral("10:x5"));
    r.click(Row2EnableBox);
    r.dblClick(Row2TimeField);
    r.type(Row1SecondsField, QStringLiteral("9"));
    r.click(Row1DurationSubmitButton);
}

void lengthenedAfterACapture(RecordedForm& w) {
    SetupRecorder& r = w.recorder();
    r.click(PanelTitle); // narrows and captures
    r.click(PanelTitle);
    r.click(LengthenLabel);
    r.click(LengthenLabel);
    r.type(NumberField, QStringLiteral("13912345678"));
    r.click(NumberSubmitButton);
}

void lengthenedAndRestored(RecordedForm& w) {
    SetupRecorder& r = w.recorder();
    r.click(LengthenLabel);
    r.click(LengthenLabel);
    r.click(RestoreHeightLabel);
    r.click(AutoSaveBox);
}

} // namespace

Q_DECLARE_METATYPE(UserSession)

void TestSetups::initTestCase() {
    installFontSubstitutions();
}

void TestSetups::replayMakesTheSamePicture_data() {
    QTest::addColumn<UserSession>("recording");
    QTest::newRow("status bar") << UserSession(statusBar);
    QTest::newRow("pasted number and location") << UserSession(pastedNumberAndLocation);
    QTest::newRow("rows on, marked, derived") << UserSession(rowsOnMarkedAndDerived);
    QTest::newRow("rows switched off again") << UserSession(rowsSwitchedOffAgain);
    QTest::newRow("errors") << UserSession(errors);
    QTest::newRow("lengthened after a capture") << UserSession(lengthenedAfterACapture);
    QTest::newRow("lengthened and restored") << UserSession(lengthenedAndRestored);
}

// The saved script, replayed by the script mode (whose clock is the system's until a "now" line and
// whose clipboard is empty until a "clipboard" line), draws the window's picture to the pixel, and
// the window opening it records the same script again.
void TestSetups::replayMakesTheSamePicture() {
    QFETCH(UserSession, recording);
    RecordedForm window;
    recording(window);
    const QImage expected = capturedPicture(window.form, 1);
    const QString script = window.recorder().script(Morning);

    ScriptRun run;
    const auto failure = run.run(script.toUtf8());
    QVERIFY2(!failure, failure ? qPrintable(failure->message) : "");
    QCOMPARE(capturedPicture(run.runner.form(), 1), expected);

    RecordedForm opened;
    QByteArray bytes = script.toUtf8();
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QVERIFY(!opened.setups.open(device));
    QCOMPARE(capturedPicture(opened.form, 1), expected);
    QCOMPARE(opened.recorder().script(Morning), script);
}

// One action a line, a comment first, and nothing that changes nothing: a text typed back, a
// capture, a click on a disabled box, a paste of an empty clipboard, a second read of the same
// moment.
void TestSetups::scriptIsReadable() {
    RecordedForm w;
    SetupRecorder& r = w.recorder();
    const QString location = w.form.text(LocationField);
    r.type(LocationField, QStringLiteral("x"));
    r.type(LocationField, location);
    r.type(NumberField, QStringLiteral("139 \\ 1"));
    r.commitTyping();
    r.click(ElementId::BackArrow);
    r.click(Row2MissedBox);
    r.click(LocationPasteButton);
    r.click(ClockNowButton);
    r.click(Row1NowButton);
    r.click(ClockNowButton);
    r.type(LocationField, QStringLiteral("a\nb"));
    QCOMPARE(r.script(Midnight), QStringLiteral("# Vokarelo set-up, saved 2024-10-15 0:01:30\n"
                                                "Text3 = 139 \\\\ 1\n"
                                                "now 2024-10-14 9:32:05\n"
                                                "Command3\n"
                                                "Command25\n"
                                                "Text4 = a\\nb\n"));
}

// Unsaved actions are what a save or an open would lose: a typed text counts until it is typed
// back, an action until the recording is saved.
void TestSetups::unsavedActions() {
    RecordedForm w;
    SetupRecorder& r = w.recorder();
    QVERIFY(!r.hasUnsavedActions());
    r.type(NumberField, QStringLiteral("1"));
    QVERIFY(r.hasUnsavedActions());
    r.type(NumberField, QStringLiteral("13800138000"));
    QVERIFY(!r.hasUnsavedActions());
    r.click(Row2EnableBox);
    QVERIFY(r.hasUnsavedActions());
    QTemporaryDir folder;
    QString error;
    QVERIFY(w.setups.save(folder.filePath(QStringLiteral("a.vks")), Morning, &error));
    QVERIFY(!r.hasUnsavedActions());

    // A save that wrote nothing says why and leaves the actions unsaved; a link is not followed.
    r.click(Row3EnableBox);
    QVERIFY(!w.setups.save(folder.filePath(QStringLiteral("no/such/a.vks")), Morning, &error));
    QCOMPARE(error, QStringLiteral("文件夹不存在"));
    const QString link = folder.filePath(QStringLiteral("link.vks"));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("a.vks")), link));
    QVERIFY(!w.setups.save(link, Morning, &error));
    QCOMPARE(error, QStringLiteral("同名的是一个链接，不会写到它指向的地方"));
    QVERIFY(r.hasUnsavedActions());
    QFile saved(folder.filePath(QStringLiteral("a.vks")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(!saved.readAll().contains("Check2"));
}

// A script opened in the window starts from the start state, fixes the clock and fills the
// clipboard for its own lines only, writes its "save" lines, and stops at its first failing line
// with the lines before it done and recorded.
void TestSetups::openedScriptRunsInTheWindow() {
    RecordedForm w;
    w.recorder().type(BatteryField, QStringLiteral("12"));
    w.recorder().click(BatterySubmitButton);
    w.platform.clipboardTextValue = QStringLiteral("13700000000");
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("p.png"));
    QByteArray script = QStringLiteral("now 2024-01-02 3:04:05\n"
                                       "Command3\n"
                                       "clipboard = 13912345678\n"
                                       "Command5\n"
                                       "save %1\n"
                                       "Command23\n"
                                       "Text1 = x\n"
                                       "Command2\n"
                                       "Command6\n")
                            .arg(picture)
                            .toUtf8();
    QBuffer device(&script);
    device.open(QIODevice::ReadOnly);
    QVERIFY(!w.setups.open(device)); // the exit button ends the script, not the program
    QVERIFY(!w.platform.quitCalled);
    QCOMPARE(w.form.text(BatteryField), RecordedForm().form.text(BatteryField));
    QCOMPARE(w.form.text(ClockField), QStringLiteral("3:04"));
    QCOMPARE(w.form.text(NumberField), QStringLiteral("13912345678"));
    QCOMPARE(QImage(picture).convertToFormat(QImage::Format_RGB32),
             capturedPicture(w.form, 1).convertToFormat(QImage::Format_RGB32));
    QVERIFY(!w.recorder().hasUnsavedActions());

    // After the run the window's clock and clipboard are the system's again.
    w.recorder().click(ClockNowButton);
    w.recorder().click(NumberPasteButton);
    QCOMPARE(w.form.text(ClockField), QStringLiteral("9:32"));
    QCOMPARE(w.form.text(NumberField), QStringLiteral("13700000000"));

    QByteArray failing("Text3 = 1\nCommand6\nText1 = x\nCommand2\nCommand6\n");
    QBuffer failingDevice(&failing);
    failingDevice.open(QIODevice::ReadOnly);
    const auto failure = w.setups.open(failingDevice);
    QVERIFY(failure);
    QCOMPARE(failure->line, 4);
    QCOMPARE(failureText(QStringLiteral("a.vks"), *failure),
             QStringLiteral("a.vks:4: Command2: 类型不匹配 in Text1 (电量)"));
    QVERIFY(w.platform.messages.isEmpty());
    QCOMPARE(w.form.element(ElementId::NumberLarge).caption, QStringLiteral("1"));
    QCOMPARE(w.recorder().lines(),
             (QStringList{"Text3 = 1", "Command6", "Text1 = x", "try Command2"}));
}

// A run the user stops ends after the line it was at, which stays done, and says so; the lines
// after it do not run.
void TestSetups::openedScriptCanBeStopped() {
    RecordedForm w;
    QByteArray script("Text1 = 50\nCommand2\nText3 = 1\nCommand6\n");
    QBuffer device(&script);
    device.open(QIODevice::ReadOnly);
    int asked = 0;
    const auto failure = w.setups.open(device, [&] { return ++asked < 2; });
    QVERIFY(failure);
    QCOMPARE(failure->line, 2);
    QCOMPARE(failureText(QStringLiteral("a.vks"), *failure),
             QStringLiteral("a.vks:2: Command2: 运行在此行之后被取消"));
    QCOMPARE(w.form.element(ElementId::BatteryText).caption, QStringLiteral("50%"));
    QCOMPARE(w.form.text(NumberField), RecordedForm().form.text(NumberField));
    QCOMPARE(w.recorder().lines(), (QStringList{"Text1 = 50", "Command2"}));
}

// Whatever breaks off a run, the window is the user's again: the system's clock, errors in message
// boxes, and a recording of what the run did that counts as saved.
void TestSetups::interruptedRunGivesTheWindowBack() {
    RecordedForm w;
    QByteArray script("now 2030-01-01 0:00:00\nText3 = 1\nCommand6\n");
    QBuffer device(&script);
    device.open(QIODevice::ReadOnly);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, w.setups.open(device, []() -> bool {
        throw std::runtime_error("the progress dialog is gone");
    }));
    QVERIFY(!w.recorder().hasUnsavedActions());

    w.recorder().click(ClockNowButton);
    QCOMPARE(w.form.text(ClockField), QStringLiteral("9:32"));
    w.recorder().type(BatteryField, QStringLiteral("x"));
    w.recorder().click(BatterySubmitButton);
    QCOMPARE(w.platform.messages.size(), 1);
    QVERIFY(namesErrorAndField(w.platform.messages[0].text, ErrorKind::TypeMismatch,
                               QStringLiteral("电量")));
}

VOKARELO_TEST_MAIN(TestSetups)
#include "test_setups.moc"
