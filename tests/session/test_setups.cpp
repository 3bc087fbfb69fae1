// SPDX-License-Identifier: MIT
#include "basic/conversions.h"
#include "screen/fonts.h"
#include "script/script_reader.h"
#include "session/setup_document.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/recorded_form.h"
#include "support/run_tests.h"
#include "support/script_run.h"
#include "window/capture.h"
#include <QObject>

#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
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
    void longestTextsSaveAndOpen_data();
    void longestTextsSaveAndOpen();
    void onlyRegularFilesOpen();
    void savesOfAnOpenedSetup_data();
    void savesOfAnOpenedSetup();
    void runEndsWithOneMessage();
    void craftedSetupsStayBounded();
    void sessionIsKeptAsASetup();
    void exportReplacingAFileAsks();
    void runSaysWhenItsCaptureMissedTheClipboard();
    void sessionIsNotShortenedByItsOwnRun();
    void endingStopsARun();
    void manyWritesAsk_data();
    void manyWritesAsk();
    void longNamesAreShortened();
    void namesAreQuotedAsTheyAre_data();
    void namesAreQuotedAsTheyAre();
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
    w.platform.clipboard.textValue = QStringLiteral("13912345678");
    r.click(NumberPasteButton);
    w.platform.clipboard.textValue = QStringLiteral("广东\\广州\n移动 ");
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
    w.platform.clock.moment = Midnight;
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

// The back arrow without the export: the window narrows, and widens again at the second click.
void lengthenedThenCapturedThrice(RecordedForm& w) {
    SetupRecorder& r = w.recorder();
    r.click(LengthenLabel);
    r.click(LengthenLabel);
    r.click(AutoSaveBox);
    r.click(ElementId::BackArrow);
    r.click(ElementId::BackArrow);
    r.click(ElementId::BackArrow);
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
    QTest::newRow("lengthened, then captured three times")
        << UserSession(lengthenedThenCapturedThrice);
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
    QVERIFY2(!failure, failure ? qPrintable(failure->message.english) : "");
    QCOMPARE(capturedPicture(run.runner.form(), 1), expected);

    RecordedForm opened;
    QByteArray bytes = script.toUtf8();
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QVERIFY(!opened.model.open(device));
    QCOMPARE(capturedPicture(opened.form, 1), expected);
    QCOMPARE(opened.recorder().script(Morning), script);
}

// One action a line, a comment first, and nothing that changes nothing: a text typed back, a click
// on a disabled box, a paste of an empty clipboard, a second read of the same moment. A capture
// narrows the window and is a line, after the moment its caption read.
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
    w.model.commitTyping();
    QCOMPARE(r.script(Midnight), QStringLiteral("# Vokarelo set-up, saved 2024-10-15 0:01:30\n"
                                                "Text3 = 139 \\\\ 1\n"
                                                "now 2024-10-14 9:32:05\n"
                                                "Image2\n"
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
    QVERIFY(w.model.save(folder.filePath(QStringLiteral("a.vks")), Morning, &error));
    QVERIFY(!r.hasUnsavedActions());

    // A save that wrote nothing says why and leaves the actions unsaved; a link is not followed.
    r.click(Row3EnableBox);
    QVERIFY(!w.model.save(folder.filePath(QStringLiteral("no/such/a.vks")), Morning, &error));
    QCOMPARE(error, QStringLiteral("文件夹不存在"));
    const QString link = folder.filePath(QStringLiteral("link.vks"));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("a.vks")), link));
    QVERIFY(!w.model.save(link, Morning, &error));
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
    w.platform.clipboard.textValue = QStringLiteral("13700000000");
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
    QVERIFY(!w.model.open(device)); // the exit button ends the script, not the program
    QVERIFY(!w.model.quitRequested());
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
    const auto failure = w.model.open(failingDevice);
    QVERIFY(failure);
    QCOMPARE(failure->line, 4);
    QCOMPARE(
        failureText(QStringLiteral("a.vks"), *failure),
        QStringLiteral("a.vks:4: Command2: 类型不匹配 in Text1 (电量): 应填写电量的百分数（例如 "
                       "92%）"));
    // The window tells it in its own language.
    QCOMPARE(failureText(QStringLiteral("a.vks"), *failure, ScriptLanguage::Chinese),
             QStringLiteral("a.vks第4行“Command2”：类型不匹配\n“电量”应填写电量的百分数（例如 "
                            "92%）。"));
    QVERIFY(w.platform.messages.shown.isEmpty());
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
    const auto failure = w.model.open(device, [&] { return ++asked < 2; });
    QVERIFY(failure);
    QCOMPARE(failure->line, 2);
    QCOMPARE(failureText(QStringLiteral("a.vks"), *failure),
             QStringLiteral("a.vks:2: Command2: the run was stopped after this line"));
    QCOMPARE(failureText(QStringLiteral("a.vks"), *failure, ScriptLanguage::Chinese),
             QStringLiteral("a.vks第2行“Command2”：运行在此行之后被取消"));
    QCOMPARE(w.form.element(ElementId::BatteryText).caption, QStringLiteral("50%"));
    QCOMPARE(w.form.text(NumberField), RecordedForm().form.text(NumberField));
    QCOMPARE(w.recorder().lines(), (QStringList{"Text1 = 50", "Command2"}));
}

// The longest text a field holds, typed or pasted, saves as a line that opens again, however it is
// written (escapes, UTF-8), and makes the same window.
void TestSetups::longestTextsSaveAndOpen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fromClipboard");
    const qsizetype most = Form::MaxFieldText;
    QTest::newRow("plain") << QString(most, u'x') << false;
    QTest::newRow("escaped") << QString(most, u'\\') << false;
    QTest::newRow("three bytes of UTF-8") << QString(most, u'广') << false;
    QTest::newRow("pasted") << QString(most, u'1') << true;
}

void TestSetups::longestTextsSaveAndOpen() {
    QFETCH(QString, text);
    QFETCH(bool, fromClipboard);
    RecordedForm w;
    const ControlId field = fromClipboard ? LocationField : NumberField;
    if (fromClipboard) {
        w.platform.clipboard.textValue = text;
        w.recorder().click(LocationPasteButton);
    } else {
        w.recorder().type(field, text);
    }
    QCOMPARE(w.form.text(field), text);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.vks"));
    QString message;
    QVERIFY2(w.model.save(path, Morning, &message), qPrintable(message));
    RecordedForm opened;
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(!opened.model.open(saved));
    QCOMPARE(opened.form.text(field), text);
    QVERIFY(opened.form.snapshot() == w.form.snapshot());
}

namespace {

// A set-up file in a folder of its own, inside a folder that stands for the rest of the disk.
struct SetupFile {
    QTemporaryDir outer;
    QString folder = outer.filePath(QStringLiteral("setups"));
    QString path = folder + QStringLiteral("/a.vks");

    explicit SetupFile(const QByteArray& script) {
        QDir().mkpath(folder);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(script);
    }
    QString inside(const QString& name) const { return folder + u'/' + name; }

    // Runs it as the window opens a file: the caller says whether the user agreed to what it
    // plans to write, and answers the questions of the run in w's messages.
    SetupRunReport open(RecordedForm& w, bool agreed) const {
        QFile script;
        if (const QString refusal = openRegularFile(path, script); !refusal.isEmpty())
            qFatal("%s", qPrintable(refusal));
        const SetupFolder setupFolder(folder, w.platform.files);
        bool stopped = false;
        const PlannedWrites planned = writesNeedingConsent(script, setupFolder, {}, &stopped);
        script.seek(0);
        return w.model.openDocument(script, QStringLiteral("a.vks"), setupFolder,
                                    agreed ? &planned : nullptr);
    }
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

// The window opens only a regular file as a set-up, and never waits to find out: a FIFO nobody
// writes to, a pipe, a device and a folder are refused at once with the reason.
void TestSetups::onlyRegularFilesOpen() {
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("fifo.vks"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    int pipeEnds[2];
    QCOMPARE(::pipe(pipeEnds), 0);
    const QString regular = folder.filePath(QStringLiteral("a.vks"));
    writeFile(regular, "Command6\n");
    const struct {
        QString path;
        QString refusal;
    } cases[] = {
        {regular, {}},
        {fifo, QStringLiteral("这是一个管道")},
        {QStringLiteral("/proc/self/fd/%1").arg(pipeEnds[0]), QStringLiteral("这是一个管道")},
        {QStringLiteral("/dev/zero"), QStringLiteral("这是一个设备")},
        {folder.path(), QStringLiteral("这是一个文件夹")},
        {folder.filePath(QStringLiteral("missing.vks")), QStringLiteral("没有这个文件")},
    };
    for (const auto& c : cases) {
        QFile file;
        const QString refusal = openRegularFile(c.path, file);
        QVERIFY2(c.refusal.isEmpty() ? refusal.isEmpty() : refusal.contains(c.refusal),
                 qPrintable(c.path + u' ' + refusal));
        QCOMPARE(file.isOpen(), c.refusal.isEmpty());
    }
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

// In the window a set-up's "save" lines write pictures only, from the set-up's folder; a file that
// is there already, or one outside the folder, is written only with the user's word, which the
// window asks for once, listing them all, before the run.
void TestSetups::savesOfAnOpenedSetup_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("refusal"); // empty: written when asked or not asked
    QTest::newRow("a new picture beside it") << "save a.jpg" << false << QString();
    QTest::newRow("PNG in a folder of its own") << "save sub/../b.PNG" << false << QString();
    QTest::newRow("JPEG") << "save c.jpeg" << false << QString();
    QTest::newRow("an existing picture") << "save old.jpg" << true << QString();
    QTest::newRow("outside its folder") << "save ../out.png" << true << QString();
    QTest::newRow("elsewhere") << "save %1/out.png" << true << QString();
    QTest::newRow("a text file") << "save notes.txt" << false << "只写图片文件";
    QTest::newRow("the set-up itself") << "save a.vks" << false << "只写图片文件";
}

void TestSetups::savesOfAnOpenedSetup() {
    QFETCH(QString, line);
    QFETCH(bool, asked);
    QFETCH(QString, refusal);
    SetupFile file{QByteArray()};
    const QString name = QString(line).replace(QStringLiteral("%1"), file.outer.path()).mid(5);
    writeFile(file.path, "Command6\n" + ("save " + name).toUtf8() + "\nCheck1\n");
    writeFile(file.inside(QStringLiteral("old.jpg")), "old");
    const QString target = QDir::cleanPath(QDir(file.folder).absoluteFilePath(name));

    QFile script;
    QCOMPARE(openRegularFile(file.path, script), QString());
    RecordedForm planner;
    bool stopped = true;
    const PlannedWrites planned = writesNeedingConsent(
        script, SetupFolder(file.folder, planner.platform.files), {}, &stopped);
    QVERIFY(!stopped);
    QCOMPARE(planned.listed, asked ? QStringList{target} : QStringList());
    QCOMPARE(planned.count, qsizetype(asked));
    QCOMPARE(planned.needAsking(), asked);
    if (asked)
        QVERIFY(consentQuestion(QStringLiteral("a.vks"),
                                SetupFolder(file.folder, planner.platform.files), planned)
                    .contains(target));

    for (const bool consented : {false, true}) {
        if (refusal.isEmpty())
            QFile(target).remove();
        writeFile(file.inside(QStringLiteral("old.jpg")), "old");
        RecordedForm w;
        const SetupRunReport report = file.open(w, consented);
        const bool written = refusal.isEmpty() && (consented || !asked);
        QCOMPARE(report.failure.has_value(), !written);
        if (!written) {
            QCOMPARE(report.failure->line, 2);
            QVERIFY2(report.failure->message.chinese.contains(
                         refusal.isEmpty() ? QStringLiteral("没有问过") : refusal),
                     qPrintable(report.failure->message.chinese));
        }
        QCOMPARE(report.pictures, written ? QStringList{target} : QStringList());
        QCOMPARE(QImage(target).isNull(), !written);
        if (target.endsWith(u"old.jpg"))
            QCOMPARE(readAll(target) == "old", !written);
    }
}

// A run holds back its messages: the one message at its end names every picture written, its
// first error and where it stopped; a run that wrote nothing and met nothing says nothing.
void TestSetups::runEndsWithOneMessage() {
    SetupFile file("Text1 = x\ntry Command2\nsave a.png\nImage2\nsave b.jpg\nCommand2\n");
    RecordedForm w;
    w.platform.files.folder = file.outer.path();
    const SetupRunReport report = file.open(w, false);
    QVERIFY(w.platform.messages.shown.isEmpty());
    const QString exported = file.outer.filePath(QStringLiteral("13800138000.jpg"));
    QCOMPARE(report.pictures, (QStringList{file.inside("a.png"), exported, file.inside("b.jpg")}));
    const QString summary = runSummary(QStringLiteral("a.vks"), report);
    QVERIFY2(summary.startsWith(QStringLiteral("a.vks写入了 3 张图片：\n%1\n%2\n%3\n\n")
                                    .arg(file.inside("a.png"), exported, file.inside("b.jpg"))),
             qPrintable(summary));
    QVERIFY2(summary.contains(u"第一个错误（运行没有因此停止）：第 2 行：类型不匹配"),
             qPrintable(summary));
    QVERIFY2(summary.endsWith(
                 u"a.vks第6行“Command2”：类型不匹配\n“电量”应填写电量的百分数（例如 92%）。"),
             qPrintable(summary));

    QVERIFY(runSummary(QStringLiteral("a.vks"), SetupRunReport{}).isEmpty());
    SetupRunReport many;
    many.picturesWritten = SetupRunReport::ListedPictures + 5;
    for (qsizetype i = 0; i < SetupRunReport::ListedPictures; ++i)
        many.pictures.append(QStringLiteral("/p/%1.jpg").arg(i));
    QVERIFY(runSummary(QStringLiteral("a.vks"), many).endsWith(u"……另外还有 5 张"));
}

// Neither a crafted line nor a long run can exhaust the window: 22 000 "try " words fail their
// line, and a run whose recording outgrows its bound stops with the lines before done.
void TestSetups::craftedSetupsStayBounded() {
    SetupFile tries("Text1 = 50\nCommand2\n" + QByteArray("try ").repeated(22000) + "Command2\n");
    RecordedForm w;
    const SetupRunReport report = tries.open(w, false);
    QVERIFY(report.failure);
    QCOMPARE(report.failure->line, 3);
    QCOMPARE(report.failure->message.english,
             QStringLiteral("try goes before a click or a dblclick"));
    QCOMPARE(w.form.element(ElementId::BatteryText).caption, QStringLiteral("50%"));

    // Each pair records a field's longest text and a click; the run stops after the pair that
    // takes the recording past its bound.
    const qsizetype text = Form::MaxFieldText;
    const qsizetype pairCharacters = (sizeof("Text4 = ") - 1 + text + 1) + sizeof("Command8");
    const int pairs = int(WindowModel::MaxRecordingCharacters / pairCharacters) + 1;
    QByteArray longRun;
    for (int i = 0; i < pairs + 20; ++i)
        longRun += "Text4 = " + QByteArray(text, char('a' + i % 26)) + "\nCommand8\n";
    QBuffer device(&longRun);
    device.open(QIODevice::ReadOnly);
    const auto failure = w.model.open(device);
    QVERIFY(failure);
    QCOMPARE(failure->line, 2 * pairs);
    QCOMPARE(failure->message.chinese,
             QStringLiteral("设置的记录超过了 16 MiB，运行在此行之后停止"));
    QVERIFY(w.recorder().recordedCharacters() <= WindowModel::MaxRecordingCharacters + 2 * text);
}

// Whatever breaks off a run, the window is the user's again: the system's clock, errors in message
// boxes, and a recording of what the run did that counts as saved.
void TestSetups::interruptedRunGivesTheWindowBack() {
    RecordedForm w;
    QByteArray script("now 2030-01-01 0:00:00\nText3 = 1\nCommand6\n");
    QBuffer device(&script);
    device.open(QIODevice::ReadOnly);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, w.model.open(device, []() -> bool {
        throw std::runtime_error("the progress dialog is gone");
    }));
    QVERIFY(!w.recorder().hasUnsavedActions());

    w.recorder().click(ClockNowButton);
    QCOMPARE(w.form.text(ClockField), QStringLiteral("9:32"));
    w.recorder().type(BatteryField, QStringLiteral("x"));
    w.recorder().click(BatterySubmitButton);
    QCOMPARE(w.platform.messages.shown.size(), 1);
    QVERIFY(namesErrorAndField(w.platform.messages.shown[0], ErrorKind::TypeMismatch,
                               QStringLiteral("电量")));
}

// The last session is kept by the writer that saves a set-up, through the same file store: the
// same file for the same recording, a folder made on the way, nothing for a session that did
// nothing, the store's failure said; and it does not count as saved.
void TestSetups::sessionIsKeptAsASetup() {
    QTemporaryDir folder;
    RecordedForm w;
    const QString kept = folder.filePath(QStringLiteral("state/Vokarelo/last-session.vks"));
    QString error;
    QVERIFY(w.model.keepSession(kept, Morning, &error));
    QVERIFY(!QFileInfo::exists(kept));

    w.recorder().click(Row2EnableBox);
    w.recorder().type(NumberField, QStringLiteral("13912345678"));
    QVERIFY2(w.model.keepSession(kept, Morning, &error), qPrintable(error));
    QVERIFY(w.model.hasUnsavedActions());
    const QString saved = folder.filePath(QStringLiteral("a.vks"));
    QVERIFY(w.model.save(saved, Morning, &error));
    QCOMPARE(readFile(kept), readFile(saved));

    w.recorder().click(Row3EnableBox);
    w.platform.files.fault = FailingFileStore::Fault::DiskFull;
    w.platform.files.fullAt = 10;
    QVERIFY(!w.model.keepSession(kept, Morning, &error));
    QCOMPARE(error, QStringLiteral("磁盘空间不足"));
    QCOMPARE(readFile(kept), readFile(saved));
}

// An export of a run that would replace a file asks first, once for the run: refused, nothing is
// replaced, every such export of the run is skipped and reported, and the run goes on to its end
// with nothing of it lost; agreed, every export of the run may replace.
void TestSetups::exportReplacingAFileAsks() {
    for (const bool agree : {false, true}) {
        SetupFile file("Text3 = precious\nImage2\nImage2\nImage2\nCheck1\n");
        writeFile(file.inside(QStringLiteral("precious.jpg")), "precious");
        RecordedForm w;
        w.platform.files.folder = file.folder;
        w.platform.messages.answers = {agree};
        const SetupRunReport report = file.open(w, false);
        QCOMPARE(w.platform.messages.asked.size(), 1);
        QVERIFY2(w.platform.messages.asked[0].contains(file.inside(QStringLiteral("precious.jpg"))),
                 qPrintable(w.platform.messages.asked[0]));
        QCOMPARE(readAll(file.inside(QStringLiteral("precious.jpg"))) == "precious", !agree);
        QVERIFY(!report.failure);
        QCOMPARE(report.picturesWritten, agree ? 3 : 0);
        QCOMPARE(report.picturesDeclined, agree ? 0 : 3);
        // The run's pictures reached the disk together, before its report.
        QCOMPARE(w.platform.files.syncs, agree ? 1 : 0);
        QVERIFY2(w.recorder().lines().endsWith(QStringLiteral("Check1")),
                 qPrintable(w.recorder().lines().join(u'|')));
        if (!agree) {
            const QString summary = runSummary(QStringLiteral("a.vks"), report);
            QVERIFY2(summary.contains(QStringLiteral("跳过了 3 张没有同意写入的图片")) &&
                         summary.contains(file.inside(QStringLiteral("precious.jpg"))),
                     qPrintable(summary));
        }
    }
}

// A run whose capture the clipboard refused says so at its end, beside the picture it saved, so
// that nobody pastes what was there before.
void TestSetups::runSaysWhenItsCaptureMissedTheClipboard() {
    for (const bool refused : {false, true}) {
        SetupFile file("Image2\n");
        RecordedForm w;
        w.platform.files.folder = file.folder;
        w.platform.clipboard.refusesPictures = refused;
        const SetupRunReport report = file.open(w, false);
        QCOMPARE(report.picturesWritten, 1);
        QCOMPARE(report.captureOffClipboard, refused);
        QCOMPARE(runSummary(QStringLiteral("a.vks"), report)
                     .contains(QStringLiteral("截屏未能放到剪贴板（请先点一下窗口再截屏）")),
                 refused);
    }
}

// The last session reopened and stopped part-way (a line that fails, the user's 取消, a signal)
// is not replaced by the part that ran, unless the user did something since; a run of another
// set-up stopped part-way is kept as it is, as quitting keeps whatever the window did.
void TestSetups::sessionIsNotShortenedByItsOwnRun() {
    SetupFile file("Check1\nText3 = 1\nCommand6\nnot a line\nCheck3\n");
    const QByteArray before = readAll(file.path);
    QTemporaryDir elsewhere;
    const QString other = elsewhere.filePath(QStringLiteral("other.vks"));
    RecordedForm w;
    QVERIFY(file.open(w, false).failure);
    QString error;
    QVERIFY2(w.model.keepSession(file.path, Morning, &error), qPrintable(error));
    QCOMPARE(readAll(file.path), before);
    QVERIFY(w.model.keepSession(other, Morning, &error));
    QVERIFY(readAll(other).endsWith("Text3 = 1\nCommand6\n"));

    w.recorder().click(Row2EnableBox);
    QVERIFY(w.model.keepSession(file.path, Morning, &error));
    QVERIFY2(readAll(file.path).endsWith("Command6\nCheck1\n"), readAll(file.path).constData());
}

// The program's ending stops a run after the line it is on, and writes of the program's own (the
// session) never pass through the run's questions.
void TestSetups::endingStopsARun() {
    SetupFile file("Check1\nCheck1\nCheck1\n");
    RecordedForm w;
    int lines = 0;
    QFile script(file.path);
    QVERIFY(script.open(QIODevice::ReadOnly));
    const SetupFolder folder(file.folder, w.platform.files);
    const SetupRunReport report =
        w.model.openDocument(script, QStringLiteral("a.vks"), folder, nullptr, [&] {
            if (++lines == 1)
                w.model.endRuns();
            return true;
        });
    QVERIFY(report.failure);
    QCOMPARE(report.failure->line, 1);
    QCOMPARE(w.recorder().lines(), QStringList{QStringLiteral("Check1")});
}

// A run that would write more than twenty files asks once: before it, giving the count and the
// folder, for its "save" lines; when it comes to the twenty-first, for what the run finds then.
void TestSetups::manyWritesAsk_data() {
    QTest::addColumn<bool>("agreedBefore");
    QTest::addColumn<bool>("agreeDuring");
    QTest::addColumn<int>("written");
    QTest::newRow("agreed before the run") << true << false << 25;
    QTest::newRow("agreed when the run came to it") << false << true << 25;
    QTest::newRow("refused when the run came to it") << false << false << 20;
}

void TestSetups::manyWritesAsk() {
    QFETCH(bool, agreedBefore);
    QFETCH(bool, agreeDuring);
    QFETCH(int, written);
    QByteArray script;
    for (int i = 0; i < 25; ++i)
        script += "save p" + QByteArray::number(i) + ".png\n";
    SetupFile file(script);
    RecordedForm planner;
    const SetupFolder folder(file.folder, planner.platform.files);
    QBuffer device(&script);
    device.open(QIODevice::ReadOnly);
    bool stopped = false;
    const PlannedWrites planned = writesNeedingConsent(device, folder, {}, &stopped);
    QCOMPARE(planned.total, 25);
    QVERIFY(planned.needAsking());
    const QString question = consentQuestion(QStringLiteral("a.vks"), folder, planned);
    QVERIFY2(question.contains(QStringLiteral("25 个文件")) && question.contains(file.folder),
             qPrintable(question));

    RecordedForm w;
    w.platform.messages.answers = {agreeDuring};
    const SetupRunReport report = file.open(w, agreedBefore);
    QCOMPARE(w.platform.messages.asked.size(), agreedBefore ? 0 : 1);
    QCOMPARE(report.picturesWritten, written);
    QCOMPARE(report.picturesDeclined, 25 - written);
    QVERIFY(!report.failure);
    QCOMPARE(QDir(file.folder).entryList({QStringLiteral("*.png")}).size(), written);
}

// However long its names, a question lists at most twenty of them, each shortened in its middle
// to a line, so that the box fits the screen.
void TestSetups::longNamesAreShortened() {
    QTemporaryDir outer;
    RecordedForm planner;
    const SetupFolder folder(outer.path(), planner.platform.files);
    PlannedWrites planned;
    for (int i = 0; i < 30; ++i)
        planned.listed.append(QStringLiteral("/%1/%2.png").arg(QString(1000000, u'a')).arg(i));
    planned.listed.resize(PlannedWrites::ListedWrites);
    planned.count = planned.total = 30;
    const QString question = consentQuestion(QString(1000000, u'n'), folder, planned);
    const QStringList lines = question.split(u'\n');
    QVERIFY(lines.size() < 30);
    for (const QString& line : lines)
        QVERIFY2(line.size() < 2 * ShownPathCharacters, qPrintable(line.left(300)));
    QVERIFY(question.contains(QStringLiteral("……另外还有 10 个")));
    QVERIFY(question.contains(QStringLiteral("/19.png")));
    QVERIFY(!question.contains(QStringLiteral("/20.png")));
}

// A set-up's name and its paths are the sender's: a "%2" in them is part of the name, never the
// place of a count or of another path.
void TestSetups::namesAreQuotedAsTheyAre_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "setup.vks";
    QTest::newRow("percent two") << "a%2.vks";
    QTest::newRow("every place") << "%1%2%3.vks";
}
void TestSetups::namesAreQuotedAsTheyAre() {
    QFETCH(QString, name);
    SetupRunReport report;
    report.picturesWritten = 2;
    report.pictures = {QStringLiteral("/p/%3.jpg"), QStringLiteral("/p/b.jpg")};
    QCOMPARE(runSummary(name, report), name + "写入了 2 张图片：\n/p/%3.jpg\n/p/b.jpg");

    QTemporaryDir outer;
    RecordedForm planner;
    const SetupFolder folder(outer.path(), planner.platform.files);
    PlannedWrites planned;
    planned.total = PlannedWrites::MostWritesUnasked + 1;
    QVERIFY(consentQuestion(name, folder, planned)
                .startsWith(name + "会写入 21 个文件，大多在" + outer.path() + "。"));
}

VOKARELO_TEST_MAIN(TestSetups)
#include "test_setups.moc"
