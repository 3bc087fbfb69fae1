// SPDX-License-Identifier: MIT
#include "platform/settings_file.h"

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
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
