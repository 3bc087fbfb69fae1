#include "basic/colour.h"
#include "batch/picture_file.h"
#include "batch_test_support.h"
#include "batch_tests.h"
#include "screen/fonts.h"
#include "window/capture.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTest>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// The real program with no display and no platform chosen, as on a server.
Outcome runProgram(const QStringList& arguments, const QString& folder = QString(),
                   const QByteArray& input = QByteArray()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(QStringLiteral(VOKARELO_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString example(const QString& name) {
    return QStringLiteral(VOKARELO_EXAMPLES "/") + name + QStringLiteral(".vks");
}

} // namespace

void TestBatchProgram::initTestCase() {
    installFontSubstitutions();
}

void TestBatchProgram::help() {
    for (const char* option : {"--help", "-h"}) {
        const Outcome o = runProgram({QString::fromLatin1(option)});
        QCOMPARE(o.exitCode, 0);
        for (const char* part : {"--script FILE", "NAME = TEXT", "dblclick NAME", "now DATE TIME",
                                 "save PATH", "Example", "Exit status"})
            QVERIFY2(o.out.contains(QString::fromLatin1(part)), part);
    }
}

void TestBatchProgram::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no file") << QStringList{"--script"} << "--script needs a file name";
    QTest::newRow("empty file name") << QStringList{"--script="} << "--script needs a file name";
    QTest::newRow("two files") << QStringList{"--script", "a.vks", "b.vks"}
                               << "unexpected argument b.vks";
    QTest::newRow("help and more")
        << QStringList{"--help", "--script", "a.vks"} << "unexpected argument --help";
    QTest::newRow("unreadable") << QStringList{"--script=/no/such/script.vks"}
                                << "cannot read /no/such/script.vks";
    QTest::newRow("scale of no screen")
        << QStringList{"--script", "-", "--scale", "1.5"} << "--scale takes 1, 2 or 3";
    QTest::newRow("scale without a value")
        << QStringList{"--script", "-", "--scale"} << "--scale takes 1, 2 or 3";
    QTest::newRow("scale twice") << QStringList{"--scale=2", "--script", "-", "--scale=3"}
                                 << "--scale is given twice";
    QTest::newRow("scale for the window")
        << QStringList{"--scale", "2"} << "--scale goes with --script";
}

void TestBatchProgram::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const Outcome o = runProgram(arguments);
    QCOMPARE(o.exitCode, 2);
    QVERIFY2(o.err.contains(error), qPrintable(o.err));
}

// No display and no QT_QPA_PLATFORM: the program still draws, and draws the window's picture.
void TestBatchProgram::standardInputWithoutDisplay() {
    QTemporaryDir folder;
    const Outcome o = runProgram({QStringLiteral("--script"), QStringLiteral("-")}, folder.path(),
                                 "Text3 = 13912345678\nCommand6\nsave start.png\n");
    QCOMPARE(o.exitCode, 0);
    QCOMPARE(o.out, QString());

    ScriptRun same;
    QVERIFY(!same.run("Text3 = 13912345678\nCommand6\n"));
    QImage saved(folder.filePath(QStringLiteral("start.png")));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), capturedPicture(same.runner.form(), 1));
}

// A picture the size of a high-density screen's or a phone's own screenshot, drawn as finely as
// the window on such a screen draws it.
void TestBatchProgram::scaledPictures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("scale");
    QTest::newRow("2, option first") << QStringList{"--scale", "2", "--script", "-"} << 2;
    QTest::newRow("3, option last") << QStringList{"--script=-", "--scale=3"} << 3;
}

void TestBatchProgram::scaledPictures() {
    QFETCH(QStringList, arguments);
    QFETCH(int, scale);
    QTemporaryDir folder;
    const char* script = "Check2\nCheck4\nsave fine.png\nsave fine.jpg\n";
    const Outcome o = runProgram(arguments, folder.path(), script);
    QCOMPARE(o.exitCode, 0);
    const QImage png(folder.filePath(QStringLiteral("fine.png")));
    QCOMPARE(png.size(), QSize(524, 854) * scale);
    QCOMPARE(QImage(folder.filePath(QStringLiteral("fine.jpg"))).size(), png.size());

    ScriptRun same;
    QVERIFY(!same.run(script));
    QImage expected = capturedPicture(same.runner.form(), scale);
    expected.setDevicePixelRatio(1); // a file knows nothing of the screen it was made for
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32), expected);
}

void TestBatchProgram::failingLineExitsNonZero() {
    QTemporaryDir folder;
    QFile script(folder.filePath(QStringLiteral("seconds.vks")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("save before.jpg\nText8 = x\n  Command11  \nsave after.jpg\n");
    script.close();
    const Outcome o =
        runProgram({QStringLiteral("--script"), QStringLiteral("seconds.vks")}, folder.path());
    QCOMPARE(o.exitCode, 1);
    QVERIFY2(o.err.contains(u"seconds.vks:3: Command11: 类型不匹配 in Text8\n"), qPrintable(o.err));
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("before.jpg"))));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("after.jpg"))));
}

// The committed examples run through the program, give the same file as a run in this process,
// and show what their comments promise.
void TestBatchProgram::examples_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("redRows");
    QTest::addColumn<int>("shownRows");
    QTest::newRow("missed call") << "missed_call" << 1 << 1;
    QTest::newRow("call log") << "call_log" << 1 << 3;
}

void TestBatchProgram::examples() {
    QFETCH(QString, name);
    QFETCH(int, redRows);
    QFETCH(int, shownRows);
    QTemporaryDir folder;
    const Outcome o = runProgram({QStringLiteral("--script"), example(name)}, folder.path());
    QCOMPARE(o.exitCode, 0);
    const QString picture = name + QStringLiteral(".jpg");
    const QByteArray written = readFile(folder.filePath(picture));
    QCOMPARE(QImage::fromData(written).size(), QSize(524, 854));

    ScriptRun same;
    QVERIFY(!same.run(readFile(example(name))));
    QCOMPARE(written, readFile(same.path(picture)));

    const Form& f = same.runner.form();
    int red = 0;
    int shown = 0;
    for (int i = 0; i < 3; ++i) {
        const ScreenElement& date = f.element(indexed("md1", i));
        shown += date.visible;
        red += date.visible && date.foreColor == Red;
        if (date.visible)
            QVERIFY(f.element(indexed("Picture2", i)).visible == (date.foreColor == Red));
    }
    QCOMPARE(red, redRows);
    QCOMPARE(shown, shownRows);
}
