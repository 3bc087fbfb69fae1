// SPDX-License-Identifier: MIT
#include "platform/settings_file.h"
#include "platform/stored_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestStoredSettings : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path()));
        QVERIFY(QDir().mkpath(QFileInfo(SettingsFile::path()).absolutePath()));
    }

    void cleanup() { QFile::remove(SettingsFile::path()); }

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

QTEST_GUILESS_MAIN(TestStoredSettings)
#include "test_stored_settings.moc"
