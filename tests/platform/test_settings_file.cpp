// SPDX-License-Identifier: MIT
#include "platform/settings_file.h"
#include "platform/stored_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What lies at a name, without following a link: its kind, size and content.
QByteArray lying(const QString& name) {
    struct stat status;
    if (::lstat(QFile::encodeName(name).constData(), &status) != 0)
        return "nothing";
    QFile file(name);
    const QByteArray content =
        S_ISREG(status.st_mode) && status.st_size < (1 << 16) && file.open(QIODevice::ReadOnly)
            ? file.readAll()
            : QByteArray();
    return QByteArray::number(status.st_mode & S_IFMT, 8) + ' ' +
           QByteArray::number(qint64(status.st_size)) + ' ' + content;
}

void write(const QString& name, const QByteArray& content) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path()));
    }

    // Every test starts with the settings' folder and no settings file, and leaves none.
    void init() { QVERIFY(QDir().mkpath(QFileInfo(SettingsFile::path()).absolutePath())); }
    void cleanup() { QFile::remove(SettingsFile::path()); }

    // Only a regular file of at most 1 MiB, or none yet, is read and written. Anything else at the
    // settings' name is said once and left as it is, and what its link points to with it: the
    // program writes its settings nowhere then, and nothing waits on a FIFO.
    void onlyARegularFileIsRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said"); // empty when the settings are read
        QTest::newRow("none yet") << "none" << QString();
        QTest::newRow("a small file") << "file" << QString();
        QTest::newRow("a file of 1 MiB") << "1 MiB" << QString();
        QTest::newRow("a file of 2 MiB") << "2 MiB"
                                         << "it is larger than 1 MiB";
        QTest::newRow("a link to a file") << "link"
                                          << "it is a symbolic link";
        QTest::newRow("a dangling link") << "dangling link"
                                         << "it is a symbolic link";
        QTest::newRow("a FIFO") << "fifo"
                                << "it is not a regular file";
        QTest::newRow("a folder") << "folder"
                                  << "it is not a regular file";
    }

    void onlyARegularFileIsRead() {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        const QString name = SettingsFile::path();
        const QString target = home_.filePath(QStringLiteral("elsewhere.conf"));
        QVERIFY(QDir().mkpath(QFileInfo(name).absolutePath()));
        const QByteArray stored = "[General]\nkept=1\n";
        const QByteArray encoded = QFile::encodeName(name);
        const bool file = kind == QStringLiteral("file") || kind.endsWith(QStringLiteral("MiB"));
        if (file)
            write(name, stored);
        // Sparse: a large file that takes no room on the disk.
        if (kind.endsWith(QStringLiteral("MiB")))
            QCOMPARE(::truncate(encoded.constData(), kind.startsWith(u'1')
                                                         ? SettingsFile::MostBytes
                                                         : 2 * SettingsFile::MostBytes),
                     0);
        if (kind == QStringLiteral("link"))
            write(target, stored);
        if (kind.endsWith(QStringLiteral("link")))
            QVERIFY(QFile::link(target, name));
        if (kind == QStringLiteral("fifo"))
            QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
        if (kind == QStringLiteral("folder"))
            QVERIFY(QDir().mkdir(name));
        const QByteArray atName = lying(name);
        const QByteArray atTarget = lying(target);

        QStringList lines;
        SettingsFile::tellRefusalTo([&lines](const QString& line) { lines.append(line); });
        for (int write = 0; write < 2; ++write)
            if (std::optional<QSettings> settings = SettingsFile::open()) {
                QCOMPARE(settings->value(QStringLiteral("kept")).toInt(),
                         kind == QStringLiteral("none") ? 0 : 1);
                settings->setValue(QStringLiteral("written"), write);
            }

        if (said.isEmpty()) {
            QVERIFY(lines.isEmpty());
            QSettings reread(name, QSettings::IniFormat);
            QCOMPARE(reread.value(QStringLiteral("written")).toInt(), 1);
        } else {
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].contains(name) && lines[0].contains(said), qPrintable(lines[0]));
            QCOMPARE(lying(name), atName);
        }
        QCOMPARE(lying(target), atTarget);
        QVERIFY(QDir(QFileInfo(name).absolutePath()).removeRecursively());
        QFile::remove(target);
    }

    // What the program remembers lies in its settings file under the keys and in the values it
    // always had there, so that a file written before reads the same, and is read back as
    // written.
    void rememberedUnderItsKeys() {
        StoredSettings settings;
        const QString folder = QStringLiteral("/home/用户/set-ups");
        const QStringList recent{QStringLiteral("/a/13800138000.vks"),
                                 QStringLiteral("/b/c, d.vks")};
        settings.setLastSetupFolder(folder);
        settings.setRecentSetups(recent);
        QVERIFY(settings.setUnkeptSession(
            {QStringLiteral("2024-10-14 9:32:05"), QStringLiteral("磁盘空间不足")}));

        QSettings file(SettingsFile::path(), QSettings::IniFormat);
        QCOMPARE(file.allKeys().size(), 3);
        QCOMPARE(file.value(QStringLiteral("setups/folder")), QVariant(folder));
        QCOMPARE(file.value(QStringLiteral("setups/recent")).toStringList(), recent);
        QCOMPARE(
            file.value(QStringLiteral("session/notKept")).toStringList(),
            (QStringList{QStringLiteral("2024-10-14 9:32:05"), QStringLiteral("磁盘空间不足")}));

        QCOMPARE(settings.lastSetupFolder(), folder);
        QCOMPARE(settings.recentSetups(), recent);
        const std::optional<UnkeptSession> unkept = settings.unkeptSession();
        QVERIFY(unkept);
        QCOMPARE(unkept->endedAt, QStringLiteral("2024-10-14 9:32:05"));
        QCOMPARE(unkept->reason, QStringLiteral("磁盘空间不足"));
        settings.forgetUnkeptSession();
        QVERIFY(!settings.unkeptSession());
        QVERIFY(!QSettings(SettingsFile::path(), QSettings::IniFormat)
                     .contains(QStringLiteral("session/notKept")));
    }

    // A record of the session that is not two texts is none, and is forgotten all the same.
    void recordsThatAreNone_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("one text") << QVariant(QStringLiteral("2024-10-14 9:32:05"));
        QTest::newRow("three texts")
            << QVariant(QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QTest::newRow("empty") << QVariant(QStringList());
    }

    void recordsThatAreNone() {
        QFETCH(QVariant, stored);
        QSettings(SettingsFile::path(), QSettings::IniFormat)
            .setValue(QStringLiteral("session/notKept"), stored);
        StoredSettings settings;
        QVERIFY(!settings.unkeptSession());
        settings.forgetUnkeptSession();
        QVERIFY(!QSettings(SettingsFile::path(), QSettings::IniFormat)
                     .contains(QStringLiteral("session/notKept")));
    }

    // Reading, and forgetting a record that is not there, write no settings file.
    void readingWritesNothing() {
        StoredSettings settings;
        QCOMPARE(settings.lastSetupFolder(), QString());
        QCOMPARE(settings.recentSetups(), QStringList());
        QVERIFY(!settings.unkeptSession());
        settings.forgetUnkeptSession();
        QVERIFY(!QFileInfo::exists(SettingsFile::path()));
    }

    // A settings file left unread takes nothing either: a record of the session is said not to be
    // kept, so that the program can say it elsewhere, and the FIFO is left as it was.
    void settingsFileLeftUnread() {
        const QString name = SettingsFile::path();
        QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        SettingsFile::tellRefusalTo([](const QString&) {});
        StoredSettings settings;
        settings.setLastSetupFolder(QStringLiteral("/tmp"));
        settings.setRecentSetups({QStringLiteral("/tmp/a.vks")});
        QVERIFY(!settings.setUnkeptSession(
            {QStringLiteral("2024-10-14 9:32:05"), QStringLiteral("磁盘空间不足")}));
        QCOMPARE(settings.lastSetupFolder(), QString());
        QCOMPARE(settings.recentSetups(), QStringList());
        QVERIFY(!settings.unkeptSession());
        QVERIFY(QFileInfo(name).exists() && !QFileInfo(name).isFile());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
