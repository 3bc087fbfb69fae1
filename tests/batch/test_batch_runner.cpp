// SPDX-License-Identifier: MIT
#include "basic/colour.h"
#include "screen/fonts.h"
#include "script/picture_file.h"
#include "support/failing_file_store.h"
#include "support/files.h"
#include "support/run_tests.h"
#include "support/script_run.h"
#include "support/started_form.h"
#include "window/capture.h"

#include <QObject>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTest>
#include <cstring>
#include <sys/stat.h>

class TestBatchRunner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameCaptureAsTheWindow();
    void timerTickExportsAtTheEndOfItsLine();
    void errorsNameTheirLine_data();
    void errorsNameTheirLine();
    void lineEndingsAndBlanksOfFieldTexts();
    void everyLineEndEndsALine();
    void exitButtonEndsTheScript();
    void savesPngAndJpeg();
    void saveRefusesWhatIsNoFile_data();
    void saveRefusesWhatIsNoFile();
    void failedExportFailsItsLine_data();
    void failedExportFailsItsLine();
    void writesGoThroughTheFileStore_data();
    void writesGoThroughTheFileStore();
    void picturesOfARunAreSyncedTogether_data();
    void picturesOfARunAreSyncedTogether();
    void failedSyncFailsTheRun_data();
    void failedSyncFailsTheRun();
    void clockGivenUntilANowLine_data();
    void clockGivenUntilANowLine();
};

namespace {

// The window driven directly, on the fake platform, at the clock the scripts fix.
struct DirectWindow : StartedForm {
    QTemporaryDir folder;

    DirectWindow() { platform.files.folder = folder.path(); }
    // What the panel title's capture puts on the clipboard: the narrow window, without an export.
    QImage capture() {
        form.click(ControlId::PanelTitle);
        return platform.clipboard.pictureValue;
    }
};

QImage readImage(const QString& path) {
    QImageReader reader(path);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

} // namespace

void TestBatchRunner::initTestCase() {
    installFontSubstitutions();
}

// Every family of commands once, through the script and through the model, ending in the
// lengthened window: the saved picture is the capture's picture, pixel for pixel.
void TestBatchRunner::sameCaptureAsTheWindow() {
    ScriptRun script;
    const auto failure = script.run(R"(now 2024-10-14 9:32:05
Text3 = 13912345678
Command6
Text4 = 广东广州 联通
Command8
Text1 = 57%
Command2
Command1
Command3
Check2
Check4
Command17
dblclick Text21
Text13 = 1
Text12 = 5
Command14
Command29
Command11
Command22
Text9 = 200
Command13
Label30
Label30
save picture.png
)");
    QVERIFY2(!failure, failure ? qPrintable(failure->message.english) : "");

    DirectWindow direct;
    Form& f = direct.form;
    f.type(ControlId::NumberField, QStringLiteral("13912345678"));
    f.click(ControlId::NumberSubmitButton);
    f.type(ControlId::LocationField, QStringLiteral("广东广州 联通"));
    f.click(ControlId::LocationSubmitButton);
    f.type(ControlId::BatteryField, QStringLiteral("57%"));
    for (const ControlId c :
         {ControlId::BatterySubmitButton, ControlId::BatteryDownButton, ControlId::ClockNowButton,
          ControlId::Row3EnableBox, ControlId::Row2MissedBox, ControlId::Row2TodayButton})
        f.click(c);
    f.dblClick(ControlId::Row2TimeField);
    f.type(ControlId::Row2MinutesField, QStringLiteral("1"));
    f.type(ControlId::Row2SecondsField, QStringLiteral("5"));
    for (const ControlId c : {ControlId::Row2DurationSubmitButton, ControlId::Row3NowButton,
                              ControlId::Row1PlusSevenButton, ControlId::ClockAdvanceButton})
        f.click(c);
    f.type(ControlId::ColourRedField, QStringLiteral("200"));
    for (const ControlId c :
         {ControlId::ColourSaveButton, ControlId::LengthenLabel, ControlId::LengthenLabel})
        f.click(c);
    QVERIFY(direct.platform.messages.shown.isEmpty());

    const QImage expected = direct.capture();
    QCOMPARE(expected.size(), QSize(524, 1015));
    QCOMPARE(readImage(script.path(QStringLiteral("picture.png"))), expected);
}

// The back arrow's half-second timer ticks when its line ends: the export has written its file,
// exactly as the window's, before the next line, and its message names that line.
void TestBatchRunner::timerTickExportsAtTheEndOfItsLine() {
    ScriptRun script;
    const auto failure = script.run(R"(now 2024-10-14 23:59:59
# the window's own export, then a new number on the widened window
Image2
Text3 = 13912345678
Command6
Label29
save after.png
)");
    QVERIFY(!failure);
    const QString exported = script.path(QStringLiteral("13800138000.jpg"));
    QCOMPARE(script.messages, QStringList{QStringLiteral("3: 图片%1已保存").arg(exported)});
    QVERIFY(!script.runner.form().timerRunning());

    DirectWindow direct;
    direct.platform.clock.moment = QDateTime(QDate(2024, 10, 14), QTime(23, 59, 59));
    Form& f = direct.form;
    f.click(ElementId::BackArrow);
    f.timerTick();
    f.type(ControlId::NumberField, QStringLiteral("13912345678"));
    f.click(ControlId::NumberSubmitButton);
    f.click(ControlId::RestoreHeightLabel);
    const QByteArray directExport =
        readFile(direct.folder.filePath(QStringLiteral("13800138000.jpg")));
    QVERIFY(!directExport.isEmpty());
    QCOMPARE(readFile(exported), directExport);
    QCOMPARE(readImage(script.path(QStringLiteral("after.png"))), direct.capture());
}

// Every script starts by setting the phone's clock to 8:15 and ends by saving: the error names
// its line, the lines before it took effect and no line after it ran.
void TestBatchRunner::errorsNameTheirLine_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("error");   // the script mode's words
    QTest::addColumn<QString>("chinese"); // the window's
    QTest::newRow("command error names the field")
        << QByteArray("Text8 = x\nCommand11") << 4
        << "类型不匹配 in Text8 (通话记录1的通话时长（秒）): 应填写秒数（例如 11），分和秒合计最多 "
           "32767 秒（约 9 小时）"
        << "类型不匹配\n“通话记录1的通话时长（秒）”应填写秒数（例如 11），分和秒合计最多 32767 "
           "秒（约 9 小时）。";
    QTest::newRow("overflow")
        << QByteArray("Text9 = 40000\nCommand13") << 4
        << "溢出 in Text9 (上侧灰色RGB的红): 应填写 0 到 255 的整数（例如 225）"
        << "溢出\n“上侧灰色RGB的红”应填写 0 到 255 的整数（例如 225）。";
    QTest::newRow("refused property value")
        << QByteArray("Text1 = 1e300\nCommand2") << 4
        << "无效的属性值 in Text1 (电量): 应填写电量的百分数（例如 92%）"
        << "无效的属性值\n“电量”应填写电量的百分数（例如 92%）。";
    QTest::newRow("no colon in a split time")
        << QByteArray("Check1\nText20 = 1015\n\ndblclick Text21") << 6
        << "下标越界 in Text20 (通话记录1的通话时间): 应填写时:分（例如 9:05）"
        << "下标越界\n“通话记录1的通话时间”应填写时:分（例如 9:05）。";
    QTest::newRow("unknown control")
        << QByteArray("Comand6") << 3 << "Comand6 is not a control of the window"
        << "Comand6不是窗口中的控件";
    QTest::newRow("field name that is no text field")
        << QByteArray("Check1 = 1") << 3 << "Check1 is not a text field"
        << "Check1不是文本框";
    QTest::newRow("element set like a field")
        << QByteArray("md1(0) = 5") << 3 << "md1(0) is not a text field"
        << "md1(0)不是文本框";
    QTest::newRow("click on a text field")
        << QByteArray("Text3") << 3 << "Text3 is a text field: set it with \"Text3 = TEXT\""
        << "Text3是文本框：用“Text3 = TEXT”填写";
    QTest::newRow("double-click on a label")
        << QByteArray("dblclick Label30") << 3 << "Label30 is not a text field"
        << "Label30不是文本框";
    QTest::newRow("click on a line")
        << QByteArray("Line1(0)") << 3 << "Line1(0) is a line and takes no click"
        << "Line1(0)是一条线，不能点击";
    QTest::newRow("disabled box") << QByteArray("Check4") << 3
                                  << "Check4 is disabled and takes no click"
                                  << "Check4已禁用，不能点击";
    QTest::newRow("hidden label") << QByteArray("Label34") << 3
                                  << "Label34 is hidden and takes no click"
                                  << "Label34已隐藏，不能点击";
    QTest::newRow("hidden element")
        << QByteArray("Picture2(1)") << 3 << "Picture2(1) is hidden and takes no click"
        << "Picture2(1)已隐藏，不能点击";
    QTest::newRow("malformed") << QByteArray("\n\nText3 == 5 5\nCommand6 now") << 6
                               << "malformed line"
                               << "无法识别这一行";
    QTest::newRow("not UTF-8") << QByteArray("Text4 = \xff\xfe") << 3
                               << "the line is not UTF-8 text"
                               << "这一行不是 UTF-8 文本";
    QTest::newRow("save into no folder")
        << QByteArray("save no/such/folder/a.jpg") << 3 << "cannot write no/such/folder/a.jpg: "
        << "无法写入no/such/folder/a.jpg：";
}

void TestBatchRunner::errorsNameTheirLine() {
    QFETCH(QByteArray, body);
    QFETCH(int, line);
    QFETCH(QString, error);
    QFETCH(QString, chinese);
    ScriptRun script;
    const auto failure = script.run("Text2 = 8:15\nCommand4\n" + body + "\nsave after.png\n");
    QVERIFY(failure);
    QCOMPARE(failure->line, line);
    QVERIFY2(failure->message.english.startsWith(error), qPrintable(failure->message.english));
    QVERIFY2(failure->message.chinese.startsWith(chinese), qPrintable(failure->message.chinese));
    QCOMPARE(script.runner.form().element(ElementId::ClockText).caption, u"8:15");
    QVERIFY(!QFile::exists(script.path(QStringLiteral("after.png"))));
    QVERIFY(script.messages.isEmpty());
}

void TestBatchRunner::lineEndingsAndBlanksOfFieldTexts() {
    ScriptRun script;
    QVERIFY(!script.run("Text4 = 广东 #1 \r\nCommand8\r\nText3 = a\\nb\r\n"));
    const Form& f = script.runner.form();
    QCOMPARE(f.text(ControlId::LocationField), u"广东 #1 ");
    QCOMPARE(f.element(ElementId::Location).caption, u"广东 #1 ");
    QCOMPARE(f.text(ControlId::NumberField), u"a\nb");
}

// A script written on any system runs all its lines, and its errors name the lines as an editor
// counts them.
void TestBatchRunner::everyLineEndEndsALine() {
    ScriptRun script;
    const auto failure =
        script.run("Text4 = 广东\rCommand8\r\nText3 = 139\nCommand6\r\rText8 = x\rCommand11\r");
    const Form& f = script.runner.form();
    QCOMPARE(f.element(ElementId::Location).caption, u"广东");
    QCOMPARE(f.element(ElementId::NumberLarge).caption, u"139");
    QVERIFY(failure);
    QCOMPARE(failure->line, 7);
    QVERIFY2(failure->message.english.startsWith(
                 QStringLiteral("类型不匹配 in Text8 (通话记录1的通话时长（秒）): ")),
             qPrintable(failure->message.english));
}

// 退出软件 ends the run there, as a success: nothing after it runs, not even a malformed line.
void TestBatchRunner::exitButtonEndsTheScript() {
    ScriptRun script;
    QVERIFY(!script.run("Text2 = 8:15\nCommand4\nCommand23\nnot a line at all\nsave x.png\n"));
    QCOMPARE(script.runner.form().element(ElementId::ClockText).caption, u"8:15");
    QVERIFY(!QFile::exists(script.path(QStringLiteral("x.png"))));
}

// PNG by the name's ending, JPEG at quality 75 otherwise; each the window's picture at its
// current height, replacing what was there.
void TestBatchRunner::savesPngAndJpeg() {
    ScriptRun script;
    QFile old(script.path(QStringLiteral("a.png")));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QVERIFY(!script.run("save a.png\nLabel30\nLabel30\nsave b.PNG\nsave c.jpg\nsave d\n"));

    const QImage tall = capturedPicture(script.runner.form(), 1);
    QCOMPARE(tall.size(), QSize(524, 1015));
    QCOMPARE(readImage(script.path(QStringLiteral("a.png"))).size(), QSize(524, 854));
    QCOMPARE(readImage(script.path(QStringLiteral("b.PNG"))), tall);
    QCOMPARE(readFile(script.path(QStringLiteral("c.jpg"))), jpegAt75(tall));
    QCOMPARE(readFile(script.path(QStringLiteral("d"))), jpegAt75(tall));
}

// A save never follows a link, never replaces a folder or a FIFO with a picture, and never writes
// under the part of a name before a NUL; the line fails and the folder stays as it was.
void TestBatchRunner::saveRefusesWhatIsNoFile_data() {
    QTest::addColumn<QString>("make");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("link") << "link" << QByteArray("x.jpg") << "the name belongs to a symbolic link";
    QTest::newRow("dangling link")
        << "dangling" << QByteArray("x.jpg") << "the name belongs to a symbolic link";
    QTest::newRow("folder") << "folder" << QByteArray("x.jpg") << "the name belongs to a folder";
    QTest::newRow("FIFO") << "fifo" << QByteArray("x.jpg") << "the name belongs to a FIFO";
    QTest::newRow("NUL") << "" << QByteArray("x.jpg\0.png", 11) << "the name holds a NUL character";
}

void TestBatchRunner::saveRefusesWhatIsNoFile() {
    QFETCH(QString, make);
    QFETCH(QByteArray, name);
    QFETCH(QString, reason);
    ScriptRun script;
    QTemporaryDir outside;
    const QString target = script.path(QStringLiteral("x.jpg"));
    const QString other = outside.filePath(QStringLiteral("other.jpg"));
    QFile file(other);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("another file") == 12);
    file.close();
    if (make == u"link")
        QVERIFY(QFile::link(other, target));
    else if (make == u"dangling")
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("new.jpg")), target));
    else if (make == u"folder")
        QVERIFY(QDir(script.folder.path()).mkdir(QStringLiteral("x.jpg")));
    else if (make == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0644), 0);
    const auto listing = [](const QString& folder) {
        return QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                          QDir::NoDotAndDotDot);
    };
    const QFileInfoList before = listing(script.folder.path());

    const auto failure = script.run("Text3 = 1\nsave " + name + "\n");
    QVERIFY(failure);
    QCOMPARE(failure->line, 2);
    QVERIFY2(failure->message.english.contains(reason), qPrintable(failure->message.english));
    QCOMPARE(listing(script.folder.path()), before);
    QCOMPARE(listing(outside.path()), QFileInfoList{QFileInfo(other)});
    QCOMPARE(readFile(other), QByteArray("another file"));
}

// An export that wrote nothing fails its line, whether the back arrow's timer ran it or the export
// label did: its own message is shown as the window shows it, and no line after it runs.
void TestBatchRunner::failedExportFailsItsLine_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("linkAtTheName");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("timer, name leaves the folder")
        << QByteArray("Text3 = ../x\nImage2") << false << 2 << "../x.jpg"
        << "手机号码中有“/”，不能作文件名";
    QTest::newRow("export label, name leaves the folder")
        << QByteArray("Text3 = ../x\nLabel1\n\nLabel34") << false << 4 << "../x.jpg"
        << "手机号码中有“/”，不能作文件名";
    QTest::newRow("timer, link at the name")
        << QByteArray("Image2") << true << 1 << "13800138000.jpg"
        << "同名的是一个链接，不会写到它指向的地方";
}

void TestBatchRunner::failedExportFailsItsLine() {
    QFETCH(QByteArray, script);
    QFETCH(bool, linkAtTheName);
    QFETCH(int, line);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    ScriptRun run;
    if (linkAtTheName)
        QVERIFY(QFile::link(run.path(QStringLiteral("elsewhere.jpg")),
                            run.path(QStringLiteral("13800138000.jpg"))));
    const QString path = run.path(name);

    const auto failure = run.run(script + "\nsave after.png\n");
    QVERIFY(failure);
    QCOMPARE(failure->line, line);
    QCOMPARE(failure->message.english,
             QStringLiteral("the export did not write %1: %2").arg(path, reason));
    QCOMPARE(failure->message.chinese, QStringLiteral("没有保存%1：%2").arg(path, reason));
    QCOMPARE(run.messages,
             QStringList{QStringLiteral("%1: 图片%2未保存：%3").arg(line).arg(path, reason)});
    QVERIFY(!QFile::exists(run.path(QStringLiteral("after.png"))));
    QVERIFY(!QFile::exists(run.path(QStringLiteral("elsewhere.jpg"))));
    QCOMPARE(QFileInfo(path).isSymLink(), linkAtTheName);
    QVERIFY(linkAtTheName || !QFileInfo::exists(path));
}

// A "save" line and the export write through the file store the runner was given: a disk that
// fills up there fails the line with the system's reason, and the earlier file stays.
void TestBatchRunner::writesGoThroughTheFileStore_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("name");
    QTest::newRow("save") << QByteArray("save picture.jpg") << "picture.jpg";
    QTest::newRow("export") << QByteArray("Text3 = picture\nImage2") << "picture.jpg";
}

void TestBatchRunner::writesGoThroughTheFileStore() {
    QFETCH(QByteArray, line);
    QFETCH(QString, name);
    QTemporaryDir folder;
    FailingFileStore files;
    files.folder = folder.path();
    files.fault = FailingFileStore::Fault::DiskFull;
    files.fullAt = 100;
    const QString path = folder.filePath(name);
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    FakeClock clock;
    BatchRunner runner(clock, files, files, 1, {});
    QByteArray script = line;
    QBuffer device(&script);
    device.open(QIODevice::ReadOnly);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const auto failure = runner.run(device);
    QDir::setCurrent(previous);
    QVERIFY(failure);
    QVERIFY2(failure->message.chinese.endsWith(QStringLiteral("磁盘空间不足")),
             qPrintable(failure->message.chinese));
    QCOMPARE(readFile(path), QByteArray("earlier"));
    QVERIFY(!runner.wrotePicture());
}

// The runner's clock is the one it is given, read afresh by each command, until a "now" line
// fixes a moment of its own.
void TestBatchRunner::clockGivenUntilANowLine_data() {
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("then"); // run after the given clock has moved on
    QTest::addColumn<int>("movedOn");     // seconds
    QTest::addColumn<QString>("clock");   // the status bar's, after both
    QTest::addColumn<QString>("month");   // the first record's date
    QTest::addColumn<QString>("day");
    QTest::newRow("the clock given")
        << QByteArray("Command3\n") << QByteArray("Command9\n") << 0 << "4:05"
        << "2"
        << "3";
    QTest::newRow("read afresh") << QByteArray("Command9\n") << QByteArray("Command3\n") << 3600
                                 << "5:05"
                                 << "2"
                                 << "3";
    QTest::newRow("on the next day")
        << QByteArray("Command3\n") << QByteArray("Command9\n") << 86400 << "4:05"
        << "2"
        << "4";
    QTest::newRow("a now line") << QByteArray("now 2024-10-14 9:32:05\nCommand3\n")
                                << QByteArray("Command9\n") << 3600 << "9:32"
                                << "10"
                                << "14";
}
void TestBatchRunner::clockGivenUntilANowLine() {
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, then);
    QFETCH(int, movedOn);
    QFETCH(QString, clock);
    QFETCH(QString, month);
    QFETCH(QString, day);
    ScriptRun run;
    run.clock.moment = QDateTime(QDate(2031, 2, 3), QTime(4, 5, 6));
    QVERIFY(!run.run(first));
    run.clock.moment = run.clock.moment.addSecs(movedOn);
    QVERIFY(!run.run(then));
    const Form& form = run.runner.form();
    QCOMPARE(form.text(ControlId::ClockField), clock);
    QCOMPARE(form.text(ControlId::Row1MonthField), month);
    QCOMPARE(form.text(ControlId::Row1DayField), day);
}

namespace {

// A runner on a store that counts its syncs, with the store's program folder as the current one.
struct CountedRun {
    QTemporaryDir folder;
    FailingFileStore files;
    FakeClock clock;
    BatchRunner runner{clock, files, files, 1, {}};

    CountedRun() { files.folder = folder.path(); }
    std::optional<ScriptFailure> run(QByteArray script) {
        return runInFolder(runner, folder.path(), std::move(script));
    }
    int pictures() const {
        return int(QDir(folder.path()).entryList({QStringLiteral("*.jpg")}, QDir::Files).size());
    }
};

QByteArray saveLines(int count) {
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += "Text3 = " + QByteArray::number(13800000000 + i) + "\nCommand6\nsave " +
                 QByteArray::number(i) + ".jpg\n";
    return lines;
}

} // namespace

// However many pictures a run writes, the save lines' and the export's alike, it syncs once at its
// end, before it returns; a run that fails part-way syncs what it wrote before it says so, and
// one that wrote nothing syncs nothing. Each picture is whole at its name.
void TestBatchRunner::picturesOfARunAreSyncedTogether_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("failedLine"); // 0 when the run ends well
    QTest::addColumn<int>("syncs");
    QTest::newRow("200 save lines") << saveLines(200) << 200 << 0 << 1;
    QTest::newRow("saves and exports")
        << QByteArray("save a.jpg\nText3 = b\nImage2\nText3 = c\nImage2\nsave d.jpg") << 4 << 0
        << 1;
    QTest::newRow("stopped by a bad line")
        << QByteArray("save a.jpg\nsave b.jpg\nNoSuchButton\nsave c.jpg") << 2 << 3 << 1;
    QTest::newRow("stopped by a failed save")
        << QByteArray("save a.jpg\nsave missing/b.jpg\nsave c.jpg") << 1 << 2 << 1;
    QTest::newRow("nothing written") << QByteArray("Text3 = 1\nCommand6") << 0 << 0 << 0;
}

void TestBatchRunner::picturesOfARunAreSyncedTogether() {
    QFETCH(QByteArray, script);
    QFETCH(int, pictures);
    QFETCH(int, failedLine);
    QFETCH(int, syncs);
    CountedRun run;
    const std::optional<ScriptFailure> failure = run.run(script);
    QCOMPARE(failure ? failure->line : 0, failedLine);
    QCOMPARE(run.files.syncs, syncs);
    QCOMPARE(run.pictures(), pictures);
    for (const QFileInfo& picture : QDir(run.folder.path()).entryInfoList({"*.jpg"}))
        QVERIFY2(!readImage(picture.filePath()).isNull(), qPrintable(picture.fileName()));
}

// A sync at the end that fails fails the run, which would otherwise report its pictures saved:
// at its last line when nothing else failed, beside the failure of the line that stopped it
// otherwise.
void TestBatchRunner::failedSyncFailsTheRun_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("failedLine");
    QTest::addColumn<QString>("otherFailure");
    QTest::newRow("at the end") << QByteArray("save a.jpg\nText3 = 1\n") << 2 << QString();
    QTest::newRow("after a bad line")
        << QByteArray("save a.jpg\nNoSuchButton\nsave b.jpg") << 2
        << QStringLiteral("NoSuchButton is not a control of the window; ");
}

void TestBatchRunner::failedSyncFailsTheRun() {
    QFETCH(QByteArray, script);
    QFETCH(int, failedLine);
    QFETCH(QString, otherFailure);
    CountedRun run;
    run.files.fault = FailingFileStore::Fault::Sync;
    const std::optional<ScriptFailure> failure = run.run(script);
    QVERIFY(failure);
    QCOMPARE(failure->line, failedLine);
    const QString eio = QString::fromLocal8Bit(strerror(EIO));
    QCOMPARE(failure->message.english,
             otherFailure + QStringLiteral("the pictures written may not be on the disk: ") + eio);
    QVERIFY2(
        failure->message.chinese.endsWith(QStringLiteral("写入的图片可能没有存到磁盘上：") + eio),
        qPrintable(failure->message.chinese));
    QCOMPARE(run.files.syncs, 1);
}

VOKARELO_TEST_MAIN(TestBatchRunner)
#include "test_batch_runner.moc"
