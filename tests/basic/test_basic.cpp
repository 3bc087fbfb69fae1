// SPDX-License-Identifier: MIT
#include "basic/colour.h"
#include "basic/command_error.h"
#include "basic/conversions.h"
#include "basic/program_folder.h"
#include "basic/time_of_day.h"
#include "platform/system_file_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

// A conversion's outcome: the number, or the error it raised.
using Outcome = std::optional<double>;
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(ErrorKind)

namespace {

std::optional<QByteArray> variable(const char* name) {
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

void setVariable(const char* name, const std::optional<QByteArray>& value) {
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

} // namespace

class TestBasic : public QObject {
    Q_OBJECT

private slots:
    void toDoubleTable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("error"); // -1: none
        const int none = -1;
        const int mismatch = int(ErrorKind::TypeMismatch);
        QTest::newRow("plain") << "92" << 92.0 << none;
        QTest::newRow("blanks around") << " 80 " << 80.0 << none;
        QTest::newRow("tab around") << "\t7\t" << 7.0 << none;
        QTest::newRow("sign") << "-10" << -10.0 << none;
        QTest::newRow("plus") << "+3" << 3.0 << none;
        QTest::newRow("fraction") << "12.7" << 12.7 << none;
        QTest::newRow("leading point") << ".5" << 0.5 << none;
        QTest::newRow("trailing point") << "5." << 5.0 << none;
        QTest::newRow("exponent") << "1e3" << 1000.0 << none;
        QTest::newRow("empty") << "" << 0.0 << mismatch;
        QTest::newRow("blank only") << " " << 0.0 << mismatch;
        QTest::newRow("letters") << "abc" << 0.0 << mismatch;
        QTest::newRow("percent") << "92%" << 0.0 << mismatch;
        QTest::newRow("inner blank") << "8 0" << 0.0 << mismatch;
        QTest::newRow("inf") << "inf" << 0.0 << mismatch;
        QTest::newRow("nan") << "nan" << 0.0 << mismatch;
        QTest::newRow("hex") << "0x10" << 0.0 << mismatch;
        QTest::newRow("full-width digits") << "８０" << 80.0 << none;
        QTest::newRow("full-width sign and point") << "－１２．５" << -12.5 << none;
        QTest::newRow("full-width plus, mixed widths") << "＋1２" << 12.0 << none;
        QTest::newRow("ideographic spaces around") << "\u3000８\u3000" << 8.0 << none;
        QTest::newRow("no-break space around") << "\u00a07\u00a0" << 7.0 << none;
        QTest::newRow("ideographic space inside") << "8\u30000" << 0.0 << mismatch;
        QTest::newRow("full-width percent") << "９２％" << 0.0 << mismatch;
        QTest::newRow("full-width letter e") << "1ｅ3" << 0.0 << mismatch;
        QTest::newRow("line break") << "5\r\n" << 0.0 << mismatch;
        QTest::newRow("beyond double") << "1e400" << 0.0 << int(ErrorKind::Overflow);
        QTest::newRow("below double") << "1e-400" << 0.0 << none;
        QTest::newRow("below double, negative") << "-1e-400" << 0.0 << none;
        QTest::newRow("400 zeros after the point")
            << QStringLiteral("0.%1").arg(QString(400, u'0')) + u'1' << 0.0 << none;
        QTest::newRow("smallest double") << "5e-324" << 5e-324 << none;
    }
    void toDoubleTable() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QFETCH(int, error);
        try {
            const double value = toDouble(text);
            QCOMPARE(error, -1);
            QCOMPARE(value, expected);
        } catch (const CommandError& e) {
            QCOMPARE(int(e.kind()), error);
        }
    }

    void toInt16Table_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("overflow");
        QTest::newRow("half down to even") << "12.5" << 12 << false;
        QTest::newRow("half up to even") << "13.5" << 14 << false;
        QTest::newRow("negative half") << "-2.5" << -2 << false;
        QTest::newRow("top") << "32767" << 32767 << false;
        QTest::newRow("bottom") << "-32768.5" << -32768 << false;
        QTest::newRow("rounds over the top") << "32767.5" << 0 << true;
        QTest::newRow("below bottom") << "-32769" << 0 << true;
        QTest::newRow("huge") << "1e300" << 0 << true;
        QTest::newRow("blanks") << " 80 " << 80 << false;
    }
    void toInt16Table() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(bool, overflow);
        try {
            QCOMPARE(int(toInt16(text)), expected);
            QVERIFY(!overflow);
        } catch (const CommandError& e) {
            QVERIFY(overflow);
            QCOMPARE(e.kind(), ErrorKind::Overflow);
        }
    }

    // The reading of a field's text: only the full-width forms of what numbers and times are made
    // of, and the two wide blanks, change.
    void numberReadings_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reading");
        QTest::newRow("digits and colon") << "１０：２５"
                                          << "10:25";
        QTest::newRow("sign and point") << "＋－．"
                                        << "+-.";
        QTest::newRow("blanks") << "\u3000\u00a0"
                                << "  ";
        QTest::newRow("ASCII as it is") << "9:05 -1.5e3"
                                        << "9:05 -1.5e3";
        QTest::newRow("other full-width forms kept") << "％ｅ，／"
                                                     << "％ｅ，／";
        QTest::newRow("Chinese kept") << "九点"
                                      << "九点";
        QTest::newRow("empty") << ""
                               << "";
    }
    void numberReadings() {
        QFETCH(QString, typed);
        QFETCH(QString, reading);
        QCOMPARE(numberReading(typed), reading);
    }

    void floorAndText() {
        QCOMPARE(roundDown(91.7), 91.0);
        QCOMPARE(roundDown(-0.5), -1.0);
        QCOMPARE(numberToText(90), QStringLiteral("90"));
        QCOMPARE(numberToText(-3), QStringLiteral("-3"));
        QCOMPARE(numberToText(-0.0), QStringLiteral("0"));
        QCOMPARE(numberToText(123456789012345.0), QStringLiteral("123456789012345"));
        // Beyond fifteen digits the text must still read back as the same number.
        const double big = 1e20;
        QCOMPARE(toDouble(numberToText(big)), big);
    }

    void timesOfDay_data() {
        QTest::addColumn<double>("hour");
        QTest::addColumn<double>("minute");
        QTest::addColumn<QString>("text");
        QTest::newRow("five past nine") << 9.0 << 5.0 << "9:05";
        QTest::newRow("midnight") << 0.0 << 0.0 << "0:00";
        QTest::newRow("last minute") << 23.0 << 59.0 << "23:59";
        QTest::newRow("minute ten") << 15.0 << 10.0 << "15:10";
        QTest::newRow("minute nine") << 15.0 << 9.0 << "15:09";
        // A borrow's intermediate minute stays a readable negative number.
        QTest::newRow("negative minute") << 9.0 << -1.0 << "9:-1";
        QTest::newRow("minute beyond the hour") << 8.0 << 61.0 << "8:61";
    }
    void timesOfDay() {
        QFETCH(double, hour);
        QFETCH(double, minute);
        QFETCH(QString, text);
        QCOMPARE(timeOfDayText(hour, minute), text);
    }

    void removeAndSplit() {
        QCOMPARE(removeAll(QStringLiteral("响铃响铃34秒响铃"), QStringLiteral("响铃")),
                 QStringLiteral("34秒"));
        QCOMPARE(removeAll(QStringLiteral("响响铃铃"), QStringLiteral("响铃")),
                 QStringLiteral("响铃"));
        QCOMPARE(removeAll(QStringLiteral("%5%0%"), QStringLiteral("%")), QStringLiteral("50"));
        QCOMPARE(splitAll(QStringLiteral("9:01:30"), QStringLiteral(":")),
                 QStringList({"9", "01", "30"}));
        QCOMPARE(splitAll(QStringLiteral(":5:"), QStringLiteral(":")), QStringList({"", "5", ""}));
        QCOMPARE(splitAll(QStringLiteral(""), QStringLiteral(":")), QStringList({""}));
        const QStringList parts{"15"};
        QCOMPARE(partAt(parts, 0), QStringLiteral("15"));
        try {
            partAt(parts, 1);
            QFAIL("no part 1");
        } catch (const CommandError& e) {
            QCOMPARE(e.kind(), ErrorKind::SubscriptOutOfRange);
        }
    }

    // What a script line or an argument may carry to a terminal: a title change, a cleared screen,
    // a line rewritten from its start, text reordered from right to left.
    void terminalEscapes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("Text3 = 139 1234 5678")
                               << "Text3 = 139 1234 5678";
        QTest::newRow("Chinese and a backslash")
            << QString::fromUtf16(u"通话记录1 \\n ←") << QString::fromUtf16(u"通话记录1 \\n ←");
        QTest::newRow("title change") << QStringLiteral("\x1b]0;pwned\x07") << "\\x1b]0;pwned\\x07";
        QTest::newRow("cleared screen") << QStringLiteral("a\x1b[2Jb") << "a\\x1b[2Jb";
        QTest::newRow("line breaks")
            << QStringLiteral("one\ntwo\r\nthree\r") << "one\ntwo\\x0d\nthree\\x0d";
        QTest::newRow("tab, NUL, unit separator")
            << QString::fromUtf16(u"\t\0\x1f", 3) << "\\x09\\x00\\x1f";
        QTest::newRow("DEL") << QStringLiteral("a\x7f") << "a\\x7f";
        QTest::newRow("C1 controls")
            << QString::fromUtf16(u"\u0080\u009b2J\u009f") << "\\x80\\x9b2J\\x9f";
        QTest::newRow("first printable beyond C1")
            << QString::fromUtf16(u"\u00a0\u00e9") << QString::fromUtf16(u"\u00a0\u00e9");
        QTest::newRow("bidirectional override")
            << QString::fromUtf16(u"abc\u202etxt.exe") << "abc\\u202etxt.exe";
        QTest::newRow("embeddings, overrides, isolates")
            << QString::fromUtf16(u"\u202a\u202b\u202c\u202d\u2066\u2067\u2068\u2069")
            << "\\u202a\\u202b\\u202c\\u202d\\u2066\\u2067\\u2068\\u2069";
        QTest::newRow("marks stay") << QString::fromUtf16(u"\u200e\u200f\u2029\u2070")
                                    << QString::fromUtf16(u"\u200e\u200f\u2029\u2070");
        QTest::newRow("beyond the basic plane")
            << QString::fromUtf16(u"📞") << QString::fromUtf16(u"📞");
        QTest::newRow("empty") << QString() << "";
    }

    void terminalEscapes() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(escapedForTerminal(text), shown);
    }

    // What a window shows of a text: every line break a line of its own, controls and reordering
    // marks spelled out, markup left as it is (it is shown as plain text).
    void windowEscapes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("line breaks")
            << QString::fromUtf16(u"a\r\nb\rc\vd\fe\u0085f\u2028g\u2029h\ni")
            << "a\nb\nc\nd\ne\nf\ng\nh\ni";
        QTest::newRow("CR LF at the end") << "a\r\n"
                                          << "a\n";
        QTest::newRow("bidirectional override")
            << QString::fromUtf16(u"\u202egpj.exe") << "\\u202egpj.exe";
        QTest::newRow("escape and tab") << "a\x1b[2Jb\tc"
                                        << "a\\x1b[2Jb\\x09c";
        QTest::newRow("markup stays") << "<img src=\"&#47;dev&#47;zero\">"
                                      << "<img src=\"&#47;dev&#47;zero\">";
        QTest::newRow("empty") << QString() << "";
    }

    void windowEscapes() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(escapedForWindow(text), shown);
    }

    void colours() {
        QCOMPARE(colourRule(225, 218, 236), PackedColour(0x00ECDAE1));
        QCOMPARE(colourRule(300, 0, 0), PackedColour(0x000000FF));
        QCOMPARE(colourRule(-5, 256, 0), PackedColour(0x0000FF00));
        QCOMPARE(toQColor(0x00ECDAE1), QColor(225, 218, 236));
        QCOMPARE(toQColor(ButtonTextColour), QColor(Qt::black));
        QCOMPARE(toQColor(ButtonFaceColour), QColor(240, 240, 240));
    }

    void errorMessagesNameTheField() {
        const CommandError e = CommandError(ErrorKind::TypeMismatch)
                                   .blame("Text8", QStringLiteral("通话记录1的通话时长（秒）"),
                                          QStringLiteral("应填写秒数（例如 11）"));
        // The user reads the field's label, never the name scripts use, and what to type.
        QCOMPARE(e.message(),
                 QStringLiteral("类型不匹配\n“通话记录1的通话时长（秒）”应填写秒数（例如 11）。"));
        // A field that takes any text is only named.
        QCOMPARE(CommandError(ErrorKind::Overflow, "Text3", QStringLiteral("手机号码")).message(),
                 QStringLiteral("溢出\n请检查“手机号码”中填写的内容。"));
        QCOMPARE(CommandError(ErrorKind::Overflow).message(), QStringLiteral("溢出"));
        // A field already named is kept when an outer step blames another.
        QCOMPARE(e.blame("Text7", QStringLiteral("通话时长（分）")).field(),
                 QStringLiteral("Text8"));
        QCOMPARE(errorText(ErrorKind::Overflow), QStringLiteral("溢出"));
        QCOMPARE(errorText(ErrorKind::SubscriptOutOfRange), QStringLiteral("下标越界"));
    }

    // The program's folder from the program file's path as the system gives it: a name that is
    // not UTF-8 is told apart, so that the export never writes into a folder of another name.
    // Typing made again on a text that changed meanwhile keeps both changes where it can.
    void editsMadeAgain_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text unchanged") << "92%"
                                        << "50%"
                                        << "92%"
                                        << "50%";
        QTest::newRow("appended") << "92%"
                                  << "92%x"
                                  << "89%"
                                  << "89%x";
        QTest::newRow("put in front") << "9:41"
                                      << "19:41"
                                      << "10:05"
                                      << "110:05";
        QTest::newRow("in the middle") << "abcd"
                                       << "abXcd"
                                       << "abcdef"
                                       << "abXcdef";
        QTest::newRow("all replaced") << "92%"
                                      << "5"
                                      << "89%"
                                      << "5";
        QTest::newRow("deleted at the end") << "92%"
                                            << "92"
                                            << "89%"
                                            << "89";
        QTest::newRow("emptied meanwhile") << "abc"
                                           << "abcd"
                                           << ""
                                           << "d";
        QTest::newRow("repeated letters") << "aa"
                                          << "aaa"
                                          << "b"
                                          << "ba";
        QTest::newRow("surrogate pair appended")
            << "x" << QStringLiteral("x\U0001F600") << "y" << QStringLiteral("y\U0001F600");
    }
    void editsMadeAgain() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, now);
        QTEST(rebasedEdit(before, after, now), "expected");
    }

    void programFolders_data() {
        QTest::addColumn<QByteArray>("executable");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("decodable");
        QTest::newRow("plain") << QByteArray("/opt/vokarelo/vokarelo") << "/opt/vokarelo" << true;
        QTest::newRow("at the root") << QByteArray("/vokarelo") << "/" << true;
        QTest::newRow("Chinese and blanks")
            << QByteArray("/home/李 雷/工具/vokarelo") << "/home/李 雷/工具" << true;
        QTest::newRow("literal replacement character")
            << QByteArray("/tmp/a\xef\xbf\xbd/vokarelo") << "/tmp/a\ufffd" << true;
        QTest::newRow("Latin-1 byte")
            << QByteArray("/tmp/caf\xe9/vokarelo") << "/tmp/caf\ufffd" << false;
        QTest::newRow("0xff") << QByteArray("/tmp/a\xff/vokarelo") << "/tmp/a\ufffd" << false;
        QTest::newRow("cut-off sequence")
            << QByteArray("/tmp/a\xe4\xb8/vokarelo") << "/tmp/a\ufffd\ufffd" << false;
        QTest::newRow("overlong slash")
            << QByteArray("/tmp/a\xc0\xaf/vokarelo") << "/tmp/a\ufffd\ufffd" << false;
        QTest::newRow("relative") << QByteArray("bin/vokarelo") << "" << true;
        QTest::newRow("no path") << QByteArray() << "" << true;
    }
    void programFolders() {
        QFETCH(QByteArray, executable);
        QFETCH(QString, folder);
        QFETCH(bool, decodable);
        const ProgramFolder found = programFolderOf(executable);
        QCOMPARE(found.path, folder);
        QCOMPARE(found.decodable, decodable);
    }

    // The export's pictures folder only ever lies inside the user's own home folder; "@" stands
    // for a temporary folder holding home/ (there) and no missing/.
    void picturesFolderRule_data() {
        QTest::addColumn<QString>("pictures");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("used"); // empty: no pictures folder
        QTest::newRow("inside") << "@/home/Pictures"
                                << "@/home"
                                << "@/home/Pictures";
        QTest::newRow("deeper, not there yet") << "@/home/a/b"
                                               << "@/home/"
                                               << "@/home/a/b";
        QTest::newRow("the home itself") << "@/home"
                                         << "@/home"
                                         << "@/home";
        QTest::newRow("outside") << "@/elsewhere"
                                 << "@/home"
                                 << "";
        QTest::newRow("out through ..") << "@/home/../elsewhere"
                                        << "@/home"
                                        << "";
        QTest::newRow("a longer name") << "@/home2/Pictures"
                                       << "@/home"
                                       << "";
        QTest::newRow("relative") << "pics"
                                  << "@/home"
                                  << "";
        QTest::newRow("empty") << ""
                               << "@/home"
                               << "";
        QTest::newRow("no HOME") << "/Pictures"
                                 << ""
                                 << "";
        QTest::newRow("HOME the root") << "/Pictures"
                                       << "/"
                                       << "";
        QTest::newRow("HOME relative") << "home/Pictures"
                                       << "home"
                                       << "";
        QTest::newRow("HOME not there") << "@/missing/Pictures"
                                        << "@/missing"
                                        << "";
    }
    void picturesFolderRule() {
        QFETCH(QString, pictures);
        QFETCH(QString, home);
        QFETCH(QString, used);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("home")));
        const auto at = [&root](QString path) { return path.replace(u'@', root.path()); };
        QCOMPARE(picturesFolderInHome(at(pictures), at(home)), at(used));
    }

    // The same rule on the folder Qt reads from the desktop's user folders, in the environment an
    // odd session gives the program.
    void picturesFolderFromEnvironment_data() {
        QTest::addColumn<bool>("homeSet");
        QTest::addColumn<QByteArray>("userFolders"); // the line in user-dirs.dirs; empty: none
        QTest::addColumn<QString>("used");           // relative to the home folder; "-": none
        QTest::newRow("default") << true << QByteArray() << "Pictures";
        QTest::newRow("set by the desktop")
            << true << QByteArray("XDG_PICTURES_DIR=\"$HOME/Bilder\"") << "Bilder";
        QTest::newRow("relative") << true << QByteArray("XDG_PICTURES_DIR=\"pics\"") << "-";
        QTest::newRow("empty") << true << QByteArray("XDG_PICTURES_DIR=\"\"") << "-";
        QTest::newRow("outside the home")
            << true << QByteArray("XDG_PICTURES_DIR=\"/srv/pictures\"") << "-";
        QTest::newRow("no HOME") << false << QByteArray() << "-";
    }
    void picturesFolderFromEnvironment() {
        QFETCH(bool, homeSet);
        QFETCH(QByteArray, userFolders);
        QFETCH(QString, used);
        QTemporaryDir home;
        QTemporaryDir config;
        QFile dirs(config.filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write(userFolders + '\n');
        dirs.close();
        const std::optional<QByteArray> savedHome = variable("HOME");
        const std::optional<QByteArray> savedConfig = variable("XDG_CONFIG_HOME");
        setVariable("HOME", homeSet ? std::optional(QFile::encodeName(home.path())) : std::nullopt);
        setVariable("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString found = userPicturesFolder();
        setVariable("HOME", savedHome);
        setVariable("XDG_CONFIG_HOME", savedConfig);
        QCOMPARE(found, used == u"-" ? QString() : home.filePath(used));
    }
};

QTEST_GUILESS_MAIN(TestBasic)
#include "test_basic.moc"
