// SPDX-License-Identifier: MIT
#include "script/line_runner.h"
#include "script/script.h"
#include "script/script_reader.h"
#include "support/run_tests.h"
#include <QObject>

#include <QBuffer>
#include <QTest>

class TestScript : public QObject {
    Q_OBJECT

private slots:
    void failureQuotesTheScriptNameAsItIs_data();
    void failureQuotesTheScriptNameAsItIs();
    void acceptedLines_data();
    void acceptedLines();
    void skippedLines_data();
    void skippedLines();
    void refusedLines_data();
    void refusedLines();
    void formattedLinesReadBack_data();
    void formattedLinesReadBack();
    void lineEnds_data();
    void lineEnds();
    void lineLengthLimit();
    void readFailure();
};

using Kind = ScriptAction::Kind;
Q_DECLARE_METATYPE(ScriptAction::Kind)

namespace {

// A pipe at its slowest: one byte a read, then an error from failAt on (-1: none), so that every
// line end falls on the edge of a read.
class Trickle : public QIODevice {
public:
    explicit Trickle(QByteArray bytes, qsizetype failAt = -1)
        : bytes_(std::move(bytes)), failAt_(failAt) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (position_ == failAt_) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        if (position_ == bytes_.size() || maxSize == 0)
            return 0;
        *data = bytes_[position_++];
        return 1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qsizetype failAt_;
    qsizetype position_ = 0;
};

// Every line of a device, and how the reading ended.
std::pair<QList<QByteArray>, ScriptReader::Result> readAll(QIODevice& device) {
    ScriptReader reader(device);
    QList<QByteArray> lines;
    QByteArray line;
    ScriptReader::Result result;
    while ((result = reader.next(line)) == ScriptReader::Result::Line)
        lines.append(line);
    return {lines, result};
}

} // namespace

void TestScript::acceptedLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("moment");
    const QDateTime none;
    QTest::newRow("set") << "Text3 = 13912345678" << Kind::SetField << "Text3"
                         << "13912345678" << none;
    QTest::newRow("# is text") << "Text4 = 广东 #2 湛江" << Kind::SetField << "Text4"
                               << "广东 #2 湛江" << none;
    QTest::newRow("one blank dropped, others kept") << "Text4 =  two  " << Kind::SetField << "Text4"
                                                    << " two  " << none;
    QTest::newRow("no blank after =") << "Text1=57%" << Kind::SetField << "Text1"
                                      << "57%" << none;
    QTest::newRow("empty text") << "Text13 =" << Kind::SetField << "Text13"
                                << "" << none;
    QTest::newRow("second = is text") << "Text4 = a = b" << Kind::SetField << "Text4"
                                      << "a = b" << none;
    QTest::newRow("escapes") << R"(  Text4 = a\nb\r\\n\\)" << Kind::SetField << "Text4"
                             << "a\nb\r\\n\\" << none;
    QTest::newRow("click") << "Command6" << Kind::Click << "Command6"
                           << "" << none;
    QTest::newRow("click, blanks around") << "\t Image2  " << Kind::Click << "Image2"
                                          << "" << none;
    QTest::newRow("click an element") << "md1(0)" << Kind::Click << "md1(0)"
                                      << "" << none;
    QTest::newRow("double-click") << "dblclick  Text21" << Kind::DblClick << "Text21"
                                  << "" << none;
    QTest::newRow("save, blanks inside kept") << "save  out dir/a#1.png " << Kind::Save << ""
                                              << "out dir/a#1.png" << none;
    QTest::newRow("now") << "now 2024-10-14 9:32:05" << Kind::SetClock << ""
                         << "" << QDateTime(QDate(2024, 10, 14), QTime(9, 32, 5));
    QTest::newRow("now without seconds") << "now 2024-2-29  23:07" << Kind::SetClock << ""
                                         << "" << QDateTime(QDate(2024, 2, 29), QTime(23, 7));
    QTest::newRow("clipboard") << R"(clipboard =  广东\n)" << Kind::SetClipboard << ""
                               << " 广东\n"
                               << none;
    QTest::newRow("empty clipboard") << "clipboard =" << Kind::SetClipboard << ""
                                     << "" << none;
}

void TestScript::acceptedLines() {
    QFETCH(QString, line);
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QDateTime, moment);
    const std::optional<ScriptAction> action = parseScriptLine(line);
    QVERIFY(action);
    QCOMPARE(action->kind, kind);
    QCOMPARE(action->name, name);
    QCOMPARE(action->text, text);
    QCOMPARE(action->moment, moment);
    QCOMPARE(action->mayFail, false);
}

void TestScript::skippedLines_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << " \t ";
    QTest::newRow("comment") << "# Text3 = 5";
    QTest::newRow("indented comment") << "   #Command23";
}

void TestScript::skippedLines() {
    QFETCH(QString, line);
    QVERIFY(!parseScriptLine(line));
}

void TestScript::refusedLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("error");
    QTest::newRow("two words") << "Command6 Command8"
                               << "malformed line";
    QTest::newRow("name with a blank") << "Text 3 = 5"
                                       << "\"Text 3\" is not a field name";
    QTest::newRow("no name") << "= 5"
                             << "\"\" is not a field name";
    QTest::newRow("unknown escape") << R"(Text4 = C:\temp)"
                                    << "unknown escape \\t";
    QTest::newRow("lone backslash at the end") << "Text4 = a\\"
                                               << "a \\ at the end";
    QTest::newRow("dblclick without a name") << "dblclick"
                                             << "dblclick needs";
    QTest::newRow("dblclick of two words") << "dblclick Text3 Text7"
                                           << "is not a control name";
    QTest::newRow("save without a name") << "save  "
                                         << "save needs a file name";
    QTest::newRow("now without a moment") << "now"
                                          << "now needs";
    QTest::newRow("no such day") << "now 2024-02-30 9:00"
                                 << "is not a date and time";
    QTest::newRow("no such hour") << "now 2024-10-14 24:00"
                                  << "is not a date and time";
    QTest::newRow("date only") << "now 2024-10-14"
                               << "is not a date and time";
    QTest::newRow("try without an action") << "try"
                                           << "try needs";
    QTest::newRow("try of a setting") << "try Text3 = 5"
                                      << "try goes before a click or a dblclick";
    QTest::newRow("try of a save") << "try save a.png"
                                   << "try goes before a click or a dblclick";
    QTest::newRow("try twice") << "try try Command6"
                               << "try goes before a click or a dblclick";
    QTest::newRow("try of a comment") << "try # Command6"
                                      << "try goes before a click or a dblclick";
    // A line of 22 000 "try " words: read without nesting, once over the line.
    QTest::newRow("try 22000 times")
        << QString(QStringLiteral("try ").repeated(22000) + QStringLiteral("Command2"))
        << "try goes before a click or a dblclick";
    QTest::newRow("clipboard with a bad escape") << R"(clipboard = a\q)"
                                                 << "unknown escape";
}

// Every action the window records is written as a line that reads back as the same action.
void TestScript::formattedLinesReadBack_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("text with every escape and blanks") << R"(Text4 =  a\nb\r\\ #= )";
    QTest::newRow("empty text") << "Text3 = ";
    QTest::newRow("click") << "Command6";
    QTest::newRow("element") << "Image2";
    QTest::newRow("double-click") << "dblclick Text21";
    QTest::newRow("try click") << "try Command2";
    QTest::newRow("try double-click") << "try dblclick Text22";
    QTest::newRow("now") << "now 2024-10-05 0:03:09";
    QTest::newRow("clipboard") << R"(clipboard = 广州\n移动 )";
    QTest::newRow("save") << "save out dir/a.png";
}

void TestScript::formattedLinesReadBack() {
    QFETCH(QString, line);
    const std::optional<ScriptAction> action = parseScriptLine(line);
    QVERIFY(action);
    QCOMPARE(formatScriptLine(*action), line);
}

void TestScript::refusedLines() {
    QFETCH(QString, line);
    QFETCH(QString, error);
    try {
        parseScriptLine(line);
        QFAIL("the line was taken");
    } catch (const ScriptError& e) {
        QVERIFY2(e.message.english.contains(error), qPrintable(e.message.english));
        QVERIFY(!e.message.chinese.isEmpty());
    }
}

// CR, LF and CR LF each end a line, a last line needs no end, and a line end split between two
// reads is still one.
void TestScript::lineEnds_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QList<QByteArray>>("lines");
    const QByteArray longLine(70000, 'x');
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("LF") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b"};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\rb\nc\r\nd") << QList<QByteArray>{"a", "b", "c", "d"};
    QTest::newRow("CR CR LF is an empty line between")
        << QByteArray("a\r\r\nb") << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("blank lines") << QByteArray("\n\r\n\r") << QList<QByteArray>{"", "", ""};
    QTest::newRow("no end on the last line") << QByteArray("a\nb") << QList<QByteArray>{"a", "b"};
    QTest::newRow("longer than a read")
        << longLine + "\r\n" + longLine << QList<QByteArray>{longLine, longLine};
}

void TestScript::lineEnds() {
    QFETCH(QByteArray, script);
    QFETCH(QList<QByteArray>, lines);
    QBuffer whole(&script);
    whole.open(QIODevice::ReadOnly);
    Trickle trickle(script);
    for (QIODevice* device : {static_cast<QIODevice*>(&whole), static_cast<QIODevice*>(&trickle)}) {
        const auto [read, result] = readAll(*device);
        QCOMPARE(read, lines);
        QCOMPARE(result, ScriptReader::Result::End);
    }
}

// A line may be 1 MiB long; a longer one stops the reading instead of filling the memory.
void TestScript::lineLengthLimit() {
    QByteArray script = QByteArray(ScriptReader::MaxLineBytes, 'a') + "\n" +
                        QByteArray(ScriptReader::MaxLineBytes + 1, 'b') + "\nc\n";
    QBuffer device(&script);
    device.open(QIODevice::ReadOnly);
    const auto [read, result] = readAll(device);
    QCOMPARE(read, QList<QByteArray>{QByteArray(ScriptReader::MaxLineBytes, 'a')});
    QCOMPARE(result, ScriptReader::Result::TooLong);
}

void TestScript::readFailure() {
    Trickle device("a\nbc\nd\n", 4);
    const auto [read, result] = readAll(device);
    QCOMPARE(read, QList<QByteArray>{"a"});
    QCOMPARE(result, ScriptReader::Result::Failed);
}

// A script's name is the user's, or a sender's: a "%2" in it is part of the name, never the place
// of the line number.
void TestScript::failureQuotesTheScriptNameAsItIs_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lineText");
    QTest::addColumn<bool>("unreadable");
    for (const char* name : {"setup.vks", "a%2.vks", "%1%2%3.vks"}) {
        QTest::addRow("%s, a line", name) << name << "Command2" << false;
        QTest::addRow("%s, at its end", name) << name << "" << false;
        QTest::addRow("%s, unreadable", name) << name << "" << true;
    }
}
void TestScript::failureQuotesTheScriptNameAsItIs() {
    QFETCH(QString, name);
    QFETCH(QString, lineText);
    QFETCH(bool, unreadable);
    const ScriptFailure failure{12, lineText, {"went wrong", "出错了"}, unreadable};
    const QString english = failureText(name, failure);
    const QString chinese = failureText(name, failure, ScriptLanguage::Chinese);
    if (unreadable) {
        QCOMPARE(english, "cannot read " + name + " at line 12: went wrong");
        QCOMPARE(chinese, "无法读取" + name + "的第12行：出错了");
    } else if (lineText.isEmpty()) {
        QCOMPARE(english, name + ":12: went wrong");
        QCOMPARE(chinese, name + "第12行：出错了");
    } else {
        QCOMPARE(english, name + ":12: Command2: went wrong");
        QCOMPARE(chinese, name + "第12行“Command2”：出错了");
    }
}

VOKARELO_TEST_MAIN(TestScript)
#include "test_script.moc"
