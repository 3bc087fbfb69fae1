// SPDX-License-Identifier: MIT
#include "cli/start_environment.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <optional>

using Value = std::optional<QByteArray>;
Q_DECLARE_METATYPE(Value)

namespace {

const char* const Variables[] = {"XDG_DATA_HOME",           "XDG_CONFIG_HOME",  "XDG_STATE_HOME",
                                 "XDG_CACHE_HOME",          "XDG_RUNTIME_DIR",  "XDG_DATA_DIRS",
                                 "XDG_CONFIG_DIRS",         "XDG_SESSION_TYPE", "QT_SCALE_FACTOR",
                                 "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"};

Value variable(const char* name) {
    return qEnvironmentVariableIsSet(name) ? Value(qgetenv(name)) : std::nullopt;
}

// What a comparison shows of a value.
QByteArray shown(const Value& value) {
    return value ? '"' + *value + '"' : QByteArray("unset");
}

void setVariable(const char* name, const Value& value) {
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

// The variables a test sets, as they were before it, and put back after it whatever it checks.
class SavedEnvironment {
public:
    SavedEnvironment() {
        for (const char* name : Variables)
            saved_.emplace_back(name, variable(name));
    }
    ~SavedEnvironment() {
        for (const auto& [name, value] : saved_)
            setVariable(name, value);
    }
    SavedEnvironment(const SavedEnvironment&) = delete;
    SavedEnvironment& operator=(const SavedEnvironment&) = delete;

private:
    std::vector<std::pair<const char*, Value>> saved_;
};

} // namespace

class TestStartEnvironment : public QObject {
    Q_OBJECT

private slots:
    // A relative base directory is ignored as the base-directory rules ask; an absolute one, in
    // whatever bytes, stays as it was, and so does a variable that names no folder.
    void relativeBaseDirectories_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<Value>("left");
        const Value unset;
        QTest::newRow("data, a name") << QByteArray("XDG_DATA_HOME") << QByteArray("rel") << unset;
        QTest::newRow("data, dot") << QByteArray("XDG_DATA_HOME") << QByteArray("./data") << unset;
        QTest::newRow("data, tilde")
            << QByteArray("XDG_DATA_HOME") << QByteArray("~/data") << unset;
        QTest::newRow("data, empty") << QByteArray("XDG_DATA_HOME") << QByteArray() << unset;
        QTest::newRow("data, absolute")
            << QByteArray("XDG_DATA_HOME") << QByteArray("/home/u/data") << Value("/home/u/data");
        QTest::newRow("data, absolute, not UTF-8")
            << QByteArray("XDG_DATA_HOME") << QByteArray("/home/\xff") << Value("/home/\xff");
        QTest::newRow("config") << QByteArray("XDG_CONFIG_HOME") << QByteArray("cfg") << unset;
        QTest::newRow("state") << QByteArray("XDG_STATE_HOME") << QByteArray("state") << unset;
        QTest::newRow("cache") << QByteArray("XDG_CACHE_HOME") << QByteArray("../cache") << unset;
        QTest::newRow("runtime") << QByteArray("XDG_RUNTIME_DIR") << QByteArray("run") << unset;
        QTest::newRow("runtime, absolute")
            << QByteArray("XDG_RUNTIME_DIR") << QByteArray("/run/user/1000")
            << Value("/run/user/1000");
        QTest::newRow("data dirs, one relative")
            << QByteArray("XDG_DATA_DIRS") << QByteArray("/usr/local/share:share:/usr/share")
            << Value("/usr/local/share:/usr/share");
        QTest::newRow("data dirs, empty entries")
            << QByteArray("XDG_DATA_DIRS") << QByteArray(":/usr/share:") << Value("/usr/share");
        QTest::newRow("data dirs, all absolute")
            << QByteArray("XDG_DATA_DIRS") << QByteArray("/usr/local/share/:/usr/share")
            << Value("/usr/local/share/:/usr/share");
        QTest::newRow("config dirs, none absolute")
            << QByteArray("XDG_CONFIG_DIRS") << QByteArray("etc/xdg:xdg") << unset;
        QTest::newRow("no folder")
            << QByteArray("XDG_SESSION_TYPE") << QByteArray("x11") << Value("x11");
    }

    void relativeBaseDirectories() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, value);
        QFETCH(Value, left);
        const SavedEnvironment saved;
        qputenv(name.constData(), value);
        ignoreRelativeBaseDirectories();
        QCOMPARE(shown(variable(name.constData())), shown(left));
    }

    // What Qt makes of them then: the folders under the home, never under the current folder.
    void qtFindsFoldersUnderTheHome_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QStandardPaths::StandardLocation>("location");
        QTest::addColumn<QString>("underHome");
        QTest::newRow("data") << QByteArray("XDG_DATA_HOME") << QStandardPaths::GenericDataLocation
                              << ".local/share";
        QTest::newRow("config") << QByteArray("XDG_CONFIG_HOME")
                                << QStandardPaths::GenericConfigLocation << ".config";
        QTest::newRow("cache") << QByteArray("XDG_CACHE_HOME")
                               << QStandardPaths::GenericCacheLocation << ".cache";
    }

    void qtFindsFoldersUnderTheHome() {
        QFETCH(QByteArray, name);
        QFETCH(QStandardPaths::StandardLocation, location);
        QFETCH(QString, underHome);
        const SavedEnvironment saved;
        qputenv(name.constData(), "rel");
        ignoreRelativeBaseDirectories();
        QCOMPARE(QStandardPaths::writableLocation(location), QDir::home().filePath(underHome));
    }

    void scaleFactors_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("usable");
        for (const char* value : {"0", "-1", "nan", "NaN", "inf", "-inf", "1000", "0.49", "4.01",
                                  "", "abc", "1.5x", "2,5", "0x2", "1.5 2"})
            QTest::newRow(value) << QByteArray(value) << false;
        for (const char* value : {"0.5", "1", "1.5", "1.75", "4", "4.0", "1e0", " 2 "})
            QTest::newRow(value) << QByteArray(value) << true;
    }

    void scaleFactors() {
        QFETCH(QByteArray, value);
        QFETCH(bool, usable);
        QCOMPARE(usableScaleFactor(value), usable);
    }

    // An unusable factor is taken out before Qt reads it, with a line that names it and says
    // the scale the window opens at instead. A screen's unusable factor takes the whole list
    // with it: Qt would give the next entry's factor to its place.
    void unusableScaleFactorsIgnored_data() {
        QTest::addColumn<Value>("factor");
        QTest::addColumn<Value>("screens");
        QTest::addColumn<Value>("factorLeft");
        QTest::addColumn<Value>("screensLeft");
        QTest::addColumn<QStringList>("said");
        const Value unset;
        const QString range = QStringLiteral(": a scale factor is a number from 0.5 to 4; ");
        const QString own = range + QStringLiteral("the window opens at the screen's own scale");
        QTest::newRow("none") << unset << unset << unset << unset << QStringList();
        QTest::newRow("usable") << Value("2") << Value("DP-1=1.5;HDMI-1=2") << Value("2")
                                << Value("DP-1=1.5;HDMI-1=2") << QStringList();
        QTest::newRow("empty") << Value("") << Value("") << Value("") << Value("") << QStringList();
        QTest::newRow("a thousand")
            << Value("1000") << unset << unset << unset
            << QStringList{"vokarelo: ignoring QT_SCALE_FACTOR=\"1000\"" + own};
        QTest::newRow("zero") << Value("0") << unset << unset << unset
                              << QStringList{"vokarelo: ignoring QT_SCALE_FACTOR=\"0\"" + own};
        QTest::newRow("control characters")
            << Value("\x1b]0;x\x07") << unset << unset << unset
            << QStringList{"vokarelo: ignoring QT_SCALE_FACTOR=\"\x1b]0;x\x07\"" + own};
        QTest::newRow("screens, by place")
            << unset << Value("1000;2") << unset << unset
            << QStringList{"vokarelo: ignoring QT_SCREEN_SCALE_FACTORS=\"1000;2\", for \"1000\"" +
                           own};
        QTest::newRow("screens, nan before a usable one")
            << unset << Value("nan;3") << unset << unset
            << QStringList{"vokarelo: ignoring QT_SCREEN_SCALE_FACTORS=\"nan;3\", for \"nan\"" +
                           own};
        QTest::newRow("screens, by name")
            << unset << Value("DP-1=0;HDMI-1=1.5;eDP-1=inf") << unset << unset
            << QStringList{"vokarelo: ignoring "
                           "QT_SCREEN_SCALE_FACTORS=\"DP-1=0;HDMI-1=1.5;eDP-1=inf\", for "
                           "\"DP-1=0\", \"eDP-1=inf\"" +
                           own};
        QTest::newRow("screens, empty places kept")
            << unset << Value("2;;3") << unset << Value("2;;3") << QStringList();
        QTest::newRow("screens, a name without a factor")
            << unset << Value("DP-1=") << unset << unset
            << QStringList{"vokarelo: ignoring QT_SCREEN_SCALE_FACTORS=\"DP-1=\", for \"DP-1=\"" +
                           own};
        QTest::newRow("both")
            << Value("-1") << Value("nan") << unset << unset
            << QStringList{"vokarelo: ignoring QT_SCALE_FACTOR=\"-1\"" + own,
                           "vokarelo: ignoring QT_SCREEN_SCALE_FACTORS=\"nan\", for \"nan\"" + own};
        QTest::newRow("the factor, the screens' kept")
            << Value("0") << Value("2") << unset << Value("2")
            << QStringList{"vokarelo: ignoring QT_SCALE_FACTOR=\"0\"" + range +
                           "the window opens at the scale QT_SCREEN_SCALE_FACTORS=\"2\" sets"};
        QTest::newRow("the screens', the factor kept")
            << Value("1.5") << Value("nan;3") << Value("1.5") << unset
            << QStringList{"vokarelo: ignoring QT_SCREEN_SCALE_FACTORS=\"nan;3\", for \"nan\"" +
                           range + "the window opens at the scale QT_SCALE_FACTOR=\"1.5\" sets"};
    }

    void unusableScaleFactorsIgnored() {
        QFETCH(Value, factor);
        QFETCH(Value, screens);
        QFETCH(Value, factorLeft);
        QFETCH(Value, screensLeft);
        QFETCH(QStringList, said);
        const SavedEnvironment saved;
        setVariable("QT_SCALE_FACTOR", factor);
        setVariable("QT_SCREEN_SCALE_FACTORS", screens);
        QCOMPARE(ignoreUnusableScaleFactors(), said);
        QCOMPARE(shown(variable("QT_SCALE_FACTOR")), shown(factorLeft));
        QCOMPARE(shown(variable("QT_SCREEN_SCALE_FACTORS")), shown(screensLeft));
    }

    // A font resolution Qt would lay the window out at: a whole number from 48 to 480, as Qt reads
    // it. Any other is taken out before Qt reads it, with one line; an empty one is left to Qt,
    // which takes it for none.
    void fontResolution_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("usable");
        for (const char* value : {"0", "-96", "47", "481", "32767", "99999999999", "abc", "96.5",
                                  "1e2", "96dpi", "nan", "\x1b]0;x\x07"})
            QTest::newRow(value) << QByteArray(value) << false;
        for (const char* value : {"48", "96", "144", "480", "0x60"})
            QTest::newRow(value) << QByteArray(value) << true;
    }

    void fontResolution() {
        QFETCH(QByteArray, value);
        QFETCH(bool, usable);
        const SavedEnvironment saved;
        qputenv("QT_FONT_DPI", value);
        QCOMPARE(usableFontDpi(value), usable);
        const QStringList said = ignoreUnusableFontDpi();
        QCOMPARE(shown(variable("QT_FONT_DPI")), shown(usable ? Value(value) : std::nullopt));
        QCOMPARE(said, usable
                           ? QStringList()
                           : QStringList{"vokarelo: ignoring QT_FONT_DPI=\"" +
                                         QString::fromLocal8Bit(value) +
                                         "\": a font resolution is a whole number from 48 to 480; "
                                         "the window takes the screen's own"});
        qputenv("QT_FONT_DPI", "");
        QCOMPARE(ignoreUnusableFontDpi(), QStringList());
        QCOMPARE(shown(variable("QT_FONT_DPI")), shown(Value("")));
    }
};

QTEST_GUILESS_MAIN(TestStartEnvironment)
#include "test_start_environment.moc"
