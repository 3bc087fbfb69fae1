// SPDX-License-Identifier: MIT
#include "basic/colour.h"
#include "basic/conversions.h"
#include "cli/command_line.h"
#include "cli/help_names.h"
#include "records/row_table.h"
#include "screen/element_table.h"
#include "screen/fonts.h"
#include "script/picture_file.h"
#include "settings/panel_table.h"
#include "support/files.h"
#include "support/run_tests.h"
#include "support/script_run.h"
#include "window/capture.h"
#include "window/window_definition.h"
#include <QObject>

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

class TestBatchProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void help();
    void version();
    void helpNamesWhatAScriptCanUse_data();
    void helpNamesWhatAScriptCanUse();
    void helpSaysWhatBindingsDo();
    void helpNamesFollowTheTables();
    void usageErrors_data();
    void usageErrors();
    void windowWithoutDisplay_data();
    void windowWithoutDisplay();
    void noticeOfNoPicture_data();
    void noticeOfNoPicture();
    void standardInputWithoutDisplay();
    void scaledPictures_data();
    void scaledPictures();
    void failingLineExitsNonZero();
    void craftedTryLine();
    void fullDisk_data();
    void fullDisk();
    void folderThatIsNotUtf8();
    void endlessLine();
    void controlCharactersEscaped_data();
    void controlCharactersEscaped();
    void examples_data();
    void examples();
};

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
    // What the run left in the temporary folder it was given.
    QStringList leftInTemp;
};

// The real program with no display (or one that does not answer) and no platform chosen, as on a
// server. A file size limit makes the disk look full beyond that size to the program (EFBIG where a
// disk says ENOSPC); it comes with SIGXFSZ at its default, ending the process, as a shell's
// ulimit -f leaves it. It has a temporary folder of its own, so that other programs' files there
// are not mistaken for its own; a run that does not end is ended, and its folders go with it. A run
// that Qt aborts has the exit code -1 and its output. Variables to set are given as NAME=VALUE.
Outcome runProgram(const QStringList& arguments, const QString& folder = QString(),
                   const QByteArray& input = QByteArray(), rlim_t fileSizeLimit = RLIM_INFINITY,
                   const QString& program = QStringLiteral(VOKARELO_PROGRAM),
                   const QString& display = QString(), const QStringList& variables = {}) {
    QProcess process;
    process.setChildProcessModifier([fileSizeLimit] {
        if (fileSizeLimit == RLIM_INFINITY)
            return;
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = fileSizeLimit;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // As a CI job or root under a bare su runs it: no display and no session's runtime folder.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    const QTemporaryDir temp;
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    for (const QString& variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()),
            QDir(temp.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)};
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

void TestBatchProgram::version() {
    const Outcome o = runProgram({QStringLiteral("--version")});
    QCOMPARE(o.exitCode, 0);
    QVERIFY2(QRegularExpression(QStringLiteral(R"(\AVokarelo \d+\.\d+\.\d+\n\z)"))
                 .match(o.out)
                 .hasMatch(),
             qPrintable(o.out));
    QCOMPARE(o.err, QString());
}

namespace {

// The list of names in --help, as the program prints it.
QString helpNamesSection() {
    const QString help = helpText();
    const qsizetype names = help.indexOf(QStringLiteral("\nNames, "));
    if (names < 0)
        return {};
    return help.mid(names + 1, help.indexOf(QStringLiteral("\n\n"), names) - names);
}

int wordCount(const QString& text, const QString& word) {
    return int(text.count(QRegularExpression(QStringLiteral("(?<![A-Za-z0-9])%1(?![A-Za-z0-9])")
                                                 .arg(QRegularExpression::escape(word)))));
}

// The first word of the nearest line at or above the given one that starts with a caption rather
// than in the names' column: a call record's number, or else the caption of a line of the panel.
QString captionAbove(const QStringList& lines, qsizetype line, bool recordNumber) {
    static const QRegularExpression number(QStringLiteral(R"(\A通话记录\d\z)"));
    for (; line >= 0; --line) {
        const QString& text = lines[line];
        const qsizetype indent = text.indexOf(QRegularExpression(QStringLiteral("[^ ]")));
        if (indent < 1 || indent > 4)
            continue;
        const QString caption = text.mid(indent).section(u' ', 0, 0);
        if (number.match(caption).hasMatch() == recordNumber)
            return caption;
    }
    return {};
}

} // namespace

// Every control a script line can type into or click, and every element of the phone screen that
// answers a click, is in the help's list of names exactly once, as the window definition names it,
// after its caption; a text field under the caption of its line, whose words the field's own label
// (the one messages name it by) holds, and under its call record's number.
void TestBatchProgram::helpNamesWhatAScriptCanUse_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("fieldLabel");
    const auto answers = [](EventTarget target) {
        for (const EventBinding& b : windowDefinition().events)
            if (b.target == target)
                return true;
        return false;
    };
    for (const PanelControl& c : panelTable()) {
        const QString name = QString::fromLatin1(c.name);
        const QString caption = QString::fromUtf8(c.text).trimmed();
        if (c.kind == ControlKind::TextField)
            QTest::newRow(c.name) << name << QString() << QString::fromUtf8(c.label);
        else if (c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox ||
                 (c.kind == ControlKind::Label && answers(c.id)))
            QTest::newRow(c.name) << name << caption << QString();
    }
    for (const EventBinding& b : windowDefinition().events)
        if (const auto* element = std::get_if<ElementId>(&b.target))
            QTest::newRow(b.handlerName)
                << elementTable()[std::size_t(*element)].name << QString() << QString();
}

void TestBatchProgram::helpNamesWhatAScriptCanUse() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, fieldLabel);
    const QString section = helpNamesSection();
    QVERIFY(section.startsWith(QStringLiteral("Names, ")));
    QCOMPARE(wordCount(section, name), 1);
    if (!caption.isEmpty())
        QVERIFY2(section.simplified().contains(caption + u' ' + name), qPrintable(section));
    if (!fieldLabel.isEmpty()) {
        const QStringList lines = section.split(u'\n');
        qsizetype line = 0;
        while (line < lines.size() && wordCount(lines[line], name) == 0)
            ++line;
        const QString lineCaption = captionAbove(lines, line, false);
        QVERIFY2(!lineCaption.isEmpty() && fieldLabel.contains(lineCaption),
                 qPrintable(lineCaption + u' ' + fieldLabel));
        if (fieldLabel.startsWith(QStringLiteral("通话记录")))
            QVERIFY2(fieldLabel.startsWith(captionAbove(lines, line, true)),
                     qPrintable(captionAbove(lines, line, true) + u' ' + fieldLabel));
    }
}

// What the binding table says of a double click (or of a click on an element, which has no
// caption) follows the name it answers on.
void TestBatchProgram::helpSaysWhatBindingsDo() {
    const QString section = helpNamesSection().simplified();
    const WindowDefinition& window = windowDefinition();
    int described = 0;
    for (const EventBinding& b : window.events) {
        if (!b.help)
            continue;
        const QString name = std::visit(
            [&](auto id) -> QString {
                using Id = decltype(id);
                if constexpr (std::is_same_v<Id, ControlId>)
                    return QString::fromLatin1(window.controls[std::size_t(id)].name);
                else if constexpr (std::is_same_v<Id, ElementId>)
                    return window.elements[std::size_t(id)].name;
                else
                    return QString();
            },
            b.target);
        const QString said =
            QStringLiteral("%1 (%2%3)")
                .arg(name,
                     b.event == EventKind::DblClick ? QStringLiteral("double-click ") : QString(),
                     QString::fromUtf8(b.help));
        QVERIFY2(section.contains(said), qPrintable(said));
        ++described;
    }
    QVERIFY(described > 0);
}

// The list follows the tables: a control renamed or added there, or a double click bound, shows
// in it without a word of the help written by hand; every line of the help fits 80 columns of a
// terminal.
void TestBatchProgram::helpNamesFollowTheTables() {
    std::vector<PanelControl> controls(panelTable().begin(), panelTable().end());
    std::vector<EventBinding> events(windowDefinition().events.begin(),
                                     windowDefinition().events.end());
    const auto at = [&](ControlId id) -> PanelControl& { return controls[std::size_t(id)]; };
    at(ControlId::NumberSubmitButton).name = "Command99";
    PanelControl added = at(ControlId::ColourSaveButton);
    added.name = "Command31";
    added.text = "全部清空";
    added.rect.top += 480;
    controls.push_back(added);
    events.push_back({"Text1_DblClick", EventKind::DblClick, ControlId::BatteryField, [](Form&) {},
                      Recording::Recorded, "fills it to 100%"});
    const QString names = helpNames({windowDefinition().elements, controls, events});
    const QString flat = names.simplified();
    QVERIFY2(flat.contains(QStringLiteral("粘贴 Command5, 提交 Command99")), qPrintable(names));
    QCOMPARE(wordCount(names, QStringLiteral("Command6")), 0);
    QVERIFY2(flat.contains(QStringLiteral("保存 Command13 全部清空 Command31 phone screen")),
             qPrintable(names));
    QVERIFY2(flat.contains(QStringLiteral("电量 Text1 (double-click fills it to 100%), 减1")),
             qPrintable(names));
    for (const QString& line : helpText().split(u'\n') + names.split(u'\n'))
        QVERIFY2(terminalColumns(line) <= 80, qPrintable(line));
}

void TestBatchProgram::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown option") << QStringList{"--frobnicate"}
                                    << "vokarelo: unknown option --frobnicate; see vokarelo --help";
    QTest::newRow("unknown option before a set-up")
        << QStringList{"-x", "a.vks"} << "vokarelo: unknown option -x; see vokarelo --help";
    QTest::newRow("unknown option after Qt's")
        << QStringList{"-style", "fusion", "--versio"} << "unknown option --versio";
    QTest::newRow("version and more")
        << QStringList{"--version", "a.vks"} << "unexpected argument --version";
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
    const QString widths =
        QStringLiteral("--width takes a whole number of pixels from 524 to 1572");
    QTest::newRow("width below the window's")
        << QStringList{"--script", "-", "--width", "523"} << widths;
    QTest::newRow("width beyond 3x") << QStringList{"--script", "-", "--width=1573"} << widths;
    QTest::newRow("width with a unit")
        << QStringList{"--script", "-", "--width", "1080px"} << widths;
    QTest::newRow("width with a fraction")
        << QStringList{"--script", "-", "--width", "1080.5"} << widths;
    QTest::newRow("width without a value") << QStringList{"--script", "-", "--width"} << widths;
    QTest::newRow("width and scale")
        << QStringList{"--script", "-", "--width", "1080", "--scale", "2"} << "give one";
    QTest::newRow("width for the window")
        << QStringList{"--width", "1080"} << "--width goes with --script";
}

void TestBatchProgram::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const Outcome o = runProgram(arguments);
    QCOMPARE(o.exitCode, 2);
    QVERIFY2(o.err.contains(error), qPrintable(o.err));
    QCOMPARE(o.err.count(u'\n'), 1);
    QCOMPARE(o.out, QString());
}

// The window without a display: a sentence that points to the script mode instead of Qt's abort,
// whether no display is named or the one named does not answer. Qt's own options and a set-up
// are the window's arguments, not errors.
void TestBatchProgram::windowWithoutDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    QTest::newRow("nothing") << QStringList{} << "";
    QTest::newRow("a set-up") << QStringList{"a.vks"} << "";
    QTest::newRow("Qt's options") << QStringList{"-style", "fusion", "-title", "-x", "-reverse"}
                                  << "";
    QTest::newRow("the X11 platform") << QStringList{"-platform", "xcb"} << "";
    QTest::newRow("a display that does not answer") << QStringList{} << ":987";
}

void TestBatchProgram::windowWithoutDisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    const Outcome o =
        runProgram(arguments, {}, {}, RLIM_INFINITY, QStringLiteral(VOKARELO_PROGRAM), display);
    QCOMPARE(o.exitCode, 1);
    QVERIFY2(o.err.endsWith(QStringLiteral(
                 "vokarelo: there is no display to show the window on; to make pictures without "
                 "one, run a script with --script FILE (see vokarelo --help)\n")),
             qPrintable(o.err));
    if (display.isEmpty())
        QCOMPARE(o.err.count(u'\n'), 1);
}

// A run that writes no picture says so at its end; one that saves one says nothing.
void TestBatchProgram::noticeOfNoPicture_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("notice");
    QTest::newRow("no save line") << QByteArray("Text3 = 1\nCommand6\n") << true;
    QTest::newRow("exit button before the save") << QByteArray("Command23\nsave a.png\n") << true;
    QTest::newRow("a save") << QByteArray("Command6\nsave a.png\n") << false;
}

void TestBatchProgram::noticeOfNoPicture() {
    QFETCH(QByteArray, script);
    QFETCH(bool, notice);
    QTemporaryDir folder;
    const Outcome o =
        runProgram({QStringLiteral("--script"), QStringLiteral("-")}, folder.path(), script);
    QCOMPARE(o.exitCode, 0);
    QCOMPARE(o.err, notice ? QStringLiteral("vokarelo: <stdin> wrote no picture; a save line or "
                                            "the export writes one\n")
                           : QString());
}

// No display, no QT_QPA_PLATFORM and no runtime folder: the program still draws, draws the
// window's picture, says nothing (no warning about the runtime folder) and leaves nothing behind.
void TestBatchProgram::standardInputWithoutDisplay() {
    QTemporaryDir folder;
    const Outcome o = runProgram({QStringLiteral("--script"), QStringLiteral("-")}, folder.path(),
                                 "Text3 = 13912345678\nCommand6\nsave start.png\n");
    QCOMPARE(o.exitCode, 0);
    QCOMPARE(o.out, QString());
    QCOMPARE(o.err, QString());
    QCOMPARE(o.leftInTemp, QStringList());

    ScriptRun same;
    QVERIFY(!same.run("Text3 = 13912345678\nCommand6\n"));
    QImage saved(folder.filePath(QStringLiteral("start.png")));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), capturedPicture(same.runner.form(), 1));
}

// A picture the size of a high-density screen's or a phone's own screenshot, drawn as finely as
// the window on such a screen draws it.
void TestBatchProgram::scaledPictures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("before"); // what the script does before it saves
    const QByteArray rows = "Check2\nCheck4\n";
    QTest::newRow("2, option first")
        << QStringList{"--scale", "2", "--script", "-"} << 2.0 << QSize(1048, 1708) << rows;
    QTest::newRow("3, option last")
        << QStringList{"--script=-", "--scale=3"} << 3.0 << QSize(1572, 2562) << rows;
    QTest::newRow("most Android phones") << QStringList{"--script", "-", "--width", "1080"}
                                         << 1080.0 / 524 << QSize(1080, 1760) << rows;
    QTest::newRow("the lengthened window at 1080")
        << QStringList{"--script", "-", "--width", "1080"} << 1080.0 / 524 << QSize(1080, 2092)
        << QByteArray("Label30\nLabel30\n");
    QTest::newRow("an iPhone") << QStringList{"--width=1179", "--script", "-"} << 1179.0 / 524
                               << QSize(1179, 1922) << rows;
    QTest::newRow("the window's own")
        << QStringList{"--script", "-", "--width", "524"} << 1.0 << QSize(524, 854) << rows;
}

void TestBatchProgram::scaledPictures() {
    QFETCH(QStringList, arguments);
    QFETCH(qreal, ratio);
    QFETCH(QSize, size);
    QFETCH(QByteArray, before);
    QTemporaryDir folder;
    const QByteArray script = before + "save fine.png\nsave fine.jpg\n";
    const Outcome o = runProgram(arguments, folder.path(), script);
    QCOMPARE(o.exitCode, 0);
    const QImage png(folder.filePath(QStringLiteral("fine.png")));
    QCOMPARE(png.size(), size);
    QCOMPARE(QImage(folder.filePath(QStringLiteral("fine.jpg"))).size(), png.size());

    ScriptRun same;
    QVERIFY(!same.run(script));
    QImage expected = capturedPicture(same.runner.form(), ratio);
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
    QVERIFY2(o.err.contains(u"seconds.vks:3: Command11: 类型不匹配 in Text8 (通话记录1的通话时长（"
                            u"秒）): 应填写秒数（例如 11），分和秒合计最多 32767 秒（约 9 "
                            u"小时）\n"),
             qPrintable(o.err));
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("before.jpg"))));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("after.jpg"))));
}

// A crafted line of 22 000 "try " words (88 KB) fails its line like any malformed one: a message
// and exit 1, with the lines before it done.
void TestBatchProgram::craftedTryLine() {
    QTemporaryDir folder;
    QFile script(folder.filePath(QStringLiteral("tries.vks")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("save before.jpg\n" + QByteArray("try ").repeated(22000) + "Command2\n");
    script.close();
    const Outcome o =
        runProgram({QStringLiteral("--script"), QStringLiteral("tries.vks")}, folder.path());
    QCOMPARE(o.exitCode, 1);
    QVERIFY2(o.err.contains(u"tries.vks:2: try try "), qPrintable(o.err.left(200)));
    QVERIFY(o.err.endsWith(u"…: try goes before a click or a dblclick\n"));
    // The message quotes the line's start, not all of its 88 KB.
    QVERIFY2(o.err.size() < 400, qPrintable(o.err.left(200)));
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("before.jpg"))));
}

// A disk that fills up part-way fails the line with the system's reason (the export with the
// window's words for it), whether the limit falls in the encoder's first 16 KiB (once "Unknown
// error") or after it (once a cut-off file saved over the earlier one): a save and the export the
// back arrow's timer runs alike. The earlier file stays as it was and nothing else appears. The
// program runs from the folder, where the export writes.
void TestBatchProgram::fullDisk_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("error"); // %1 the folder, %2 the system's reason
    const QString saveJpeg = QStringLiteral("save s.jpg: cannot write s.jpg: %2");
    const QString savePng = QStringLiteral("save s.png: cannot write s.png: %2");
    const QString exported = QStringLiteral(
        "Image2: the export did not write %1/13800138000.jpg: 文件超出了系统允许的大小");
    QTest::newRow("JPEG, 8 KiB") << "s.jpg" << QByteArray("save s.jpg") << 8 * 1024 << saveJpeg;
    QTest::newRow("JPEG, 20 KiB") << "s.jpg" << QByteArray("save s.jpg") << 20 * 1024 << saveJpeg;
    QTest::newRow("PNG, 8 KiB") << "s.png" << QByteArray("save s.png") << 8 * 1024 << savePng;
    QTest::newRow("PNG, 64 KiB") << "s.png" << QByteArray("save s.png") << 64 * 1024 << savePng;
    QTest::newRow("export, 8 KiB")
        << "13800138000.jpg" << QByteArray("Image2") << 8 * 1024 << exported;
    QTest::newRow("export, 20 KiB")
        << "13800138000.jpg" << QByteArray("Image2") << 20 * 1024 << exported;
}

void TestBatchProgram::fullDisk() {
    QFETCH(QString, name);
    QFETCH(QByteArray, line);
    QFETCH(int, limit);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("vokarelo"));
    QVERIFY(QFile::copy(QStringLiteral(VOKARELO_PROGRAM), program));
    const QString target = folder.filePath(name);
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier picture") == 18);
    earlier.close();

    const Outcome o = runProgram({QStringLiteral("--script"), QStringLiteral("-")}, folder.path(),
                                 "Command6\n" + line + "\n", rlim_t(limit), program);
    QCOMPARE(o.exitCode, 1);
    const QString expected =
        QStringLiteral("<stdin>:2: ") +
        QString(error)
            .replace(QStringLiteral("%1"), folder.path())
            .replace(QStringLiteral("%2"), QString::fromLocal8Bit(std::strerror(EFBIG))) +
        u'\n';
    QVERIFY2(o.err.endsWith(expected), qPrintable(o.err));
    QCOMPARE(readFile(target), QByteArray("an earlier picture"));
    QStringList files =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(files, (QStringList{name, QStringLiteral("vokarelo")}));
}

// The program in a folder whose name is not UTF-8 cannot name the folder it would export into: the
// export says so and writes nothing, neither there nor (as it once did) in the root.
void TestBatchProgram::folderThatIsNotUtf8() {
    QTemporaryDir root;
    // Qt spells every path as UTF-8, so the folder is made in bytes, and the program is started
    // through a link of a plain name, which the system resolves to the program file.
    const std::string folder = QFile::encodeName(root.path()).toStdString() + "/app\xff";
    QVERIFY(std::filesystem::create_directory(folder));
    std::filesystem::copy_file(VOKARELO_PROGRAM, folder + "/vokarelo");
    const QString link = root.filePath(QStringLiteral("vokarelo"));
    QCOMPARE(::symlink((folder + "/vokarelo").c_str(), QFile::encodeName(link).constData()), 0);
    const QString rootFile = QStringLiteral("/13800138000.jpg");
    const QByteArray rootFileBefore = readFile(rootFile);

    const Outcome o = runProgram({QStringLiteral("--script"), QStringLiteral("-")}, root.path(),
                                 "Image2\n", RLIM_INFINITY, link);
    QCOMPARE(o.exitCode, 1);
    QVERIFY2(o.err.contains(QStringLiteral("<stdin>:1: Image2: the export did not write ")),
             qPrintable(o.err));
    QVERIFY2(o.out.contains(QStringLiteral("/app\ufffd/13800138000.jpg未保存：")) &&
                 o.out.endsWith(QStringLiteral("程序所在文件夹的名称无法解码\n")),
             qPrintable(o.out));
    const auto entries = [](const std::string& folder) {
        return std::distance(std::filesystem::directory_iterator(folder),
                             std::filesystem::directory_iterator());
    };
    QCOMPARE(entries(folder), 1);
    QCOMPARE(entries(QFile::encodeName(root.path()).toStdString()), 2);
    QCOMPARE(readFile(rootFile), rootFileBefore);
}

// A script with no line end, however long, ends in an error at its first line instead of taking
// the memory.
void TestBatchProgram::endlessLine() {
    const Outcome o = runProgram({QStringLiteral("--script"), QStringLiteral("/dev/zero")});
    QCOMPARE(o.exitCode, 1);
    QVERIFY2(o.err.endsWith(
                 QStringLiteral("/dev/zero:1: the line is longer than 1048576 bytes (1 MiB)\n")),
             qPrintable(o.err));
}

// Control characters from a script, the arguments or the environment reach the terminal escaped,
// whoever writes them: a bad line's error, a message on standard output, a usage error, Qt's own
// warning. None of them changes the terminal's title, clears its screen or reorders its line.
void TestBatchProgram::controlCharactersEscaped_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("shown");
    const QStringList fromInput{"--script", "-"};
    QTest::newRow("a bad line")
        << fromInput << QStringList() << QByteArray("Text3 = \\x\x1b]0;title\x07\x1b[2J\n") << 1
        << "<stdin>:1: Text3 = \\x\\x1b]0;title\\x07\\x1b[2J: unknown escape";
    QTest::newRow("a message of the export")
        << fromInput << QStringList() << QByteArray("Text3 = 1\x1b[2J\nCommand6\nImage2\n") << 1
        << "1\\x1b[2J.jpg未保存：";
    QTest::newRow("a save's path")
        << fromInput << QStringList() << QByteArray("save no/\xe2\x80\xaegnp.jpg\xc2\x9b\n") << 1
        << "cannot write no/\\u202egnp.jpg\\x9b: ";
    QTest::newRow("an unknown option")
        << QStringList{"--\x1b[2J", "--\u009b2J"} << QStringList() << QByteArray() << 2
        << "vokarelo: unknown option --\\x1b[2J; see vokarelo --help";
    QTest::newRow("a script's name")
        << QStringList{"--script", "/no/such/\x1b]0;title\x07.vks"} << QStringList() << QByteArray()
        << 2 << "vokarelo: cannot read /no/such/\\x1b]0;title\\x07.vks: ";
    QTest::newRow("Qt's warning") << fromInput << QStringList{"QT_QPA_PLATFORM=\x1b[2Jx"}
                                  << QByteArray() << -1
                                  << "Could not find the Qt platform plugin \"\\x1b[2jx\"";
}

void TestBatchProgram::controlCharactersEscaped() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, variables);
    QFETCH(QByteArray, script);
    QFETCH(int, exitCode);
    QFETCH(QString, shown);
    QTemporaryDir folder;
    const Outcome o = runProgram(arguments, folder.path(), script, RLIM_INFINITY,
                                 QStringLiteral(VOKARELO_PROGRAM), QString(), variables);
    QCOMPARE(o.exitCode, exitCode);
    const QString written = o.out + o.err;
    QVERIFY2(written.contains(shown), qPrintable(written));
    for (const QChar c : written) {
        const char16_t code = c.unicode();
        QVERIFY2((code >= 0x20 || code == u'\n') && (code < 0x7f || code > 0x9f) &&
                     (code < 0x202a || code > 0x202e) && (code < 0x2066 || code > 0x2069),
                 qPrintable(QStringLiteral("U+%1 in %2")
                                .arg(int(code), 4, 16, QLatin1Char('0'))
                                .arg(escapedForTerminal(written))));
    }
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
        const ScreenElement& date = f.element(recordRows[i].elements.dateTime);
        shown += date.visible;
        red += date.visible && date.foreColor == Red;
        if (date.visible)
            QVERIFY(f.element(recordRows[i].elements.missedIcon).visible ==
                    (date.foreColor == Red));
    }
    QCOMPARE(red, redRows);
    QCOMPARE(shown, shownRows);
}

VOKARELO_TEST_MAIN(TestBatchProgram)
#include "test_batch_program.moc"
