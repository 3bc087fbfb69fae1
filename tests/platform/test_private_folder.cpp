// SPDX-License-Identifier: MIT
// A folder of this user's alone, as the dragged pictures are written to in the runtime folder: made
// when missing, and whatever else holds its name refused without being followed or changed. A link
// there once had another folder's mode changed to 700 and the picture written into it.

#include "basic/image_file.h"
#include "platform/system_file_store.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStore& systemFileStore() {
    static SystemFileStore store({}, {});
    return store;
}

// The mode's permission bits of what is at path, the link itself for a link; -1 when nothing is.
int modeAt(const QString& path) {
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return -1;
    return int(status.st_mode & 07777);
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool setMode(const QString& path, int mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

// Another user's account, that only the superuser can give a folder to.
constexpr uid_t Nobody = 65534;

} // namespace

class TestPrivateFolder : public QObject {
    Q_OBJECT

private slots:
    // What holds the folder's name, and what opening it makes of that: the folder's mode after,
    // or the system's reason for the refusal.
    void opening_data() {
        QTest::addColumn<QString>("make");
        QTest::addColumn<int>("refusal"); // 0: opened
        QTest::newRow("nothing: made") << "missing" << 0;
        QTest::newRow("a private folder of ours") << "private" << 0;
        QTest::newRow("a folder of ours that others may read: closed") << "wide" << 0;
        QTest::newRow("a folder of ours that others may write: closed") << "writable" << 0;
        QTest::newRow("a link to a folder of ours") << "link" << ENOTDIR;
        QTest::newRow("a link to nothing") << "dangling" << ENOTDIR;
        QTest::newRow("a file") << "file" << ENOTDIR;
        QTest::newRow("another user's private folder") << "other's" << EPERM;
    }
    void opening() {
        QFETCH(QString, make);
        QFETCH(int, refusal);
        QTemporaryDir root;
        const QString path = root.filePath(QStringLiteral("vokarelo"));
        // A folder of ours with pictures of its own, where a link might point.
        const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkdir(elsewhere));
        QVERIFY(setMode(elsewhere, 0755));
        QVERIFY(writeBytes(elsewhere + QStringLiteral("/other.png"), "another picture"));
        if (make == u"private" || make == u"wide" || make == u"writable" || make == u"other's") {
            QVERIFY(QDir().mkdir(path));
            QVERIFY(setMode(path, make == u"wide" ? 0755 : make == u"writable" ? 0777 : 0700));
        } else if (make == u"link") {
            QVERIFY(QFile::link(elsewhere, path));
        } else if (make == u"dangling") {
            QVERIFY(QFile::link(root.filePath(QStringLiteral("made-through-the-link")), path));
        } else if (make == u"file") {
            QVERIFY(writeBytes(path, "a file"));
        }
        if (make == u"other's") {
            if (::geteuid() != 0)
                QSKIP("only the superuser can give a folder to another user");
            QCOMPARE(::chown(QFile::encodeName(path).constData(), Nobody, Nobody), 0);
        }
        const int modeBefore = modeAt(path);

        FileError error;
        const std::unique_ptr<OpenFolder> folder =
            systemFileStore().openPrivateFolder(path, &error);

        if (refusal) {
            QVERIFY(!folder);
            QCOMPARE(error.errorNumber, refusal);
            QCOMPARE(modeAt(path), modeBefore);
        } else {
            QVERIFY2(folder, qPrintable(error.text));
            QVERIFY(QFileInfo(path).isDir() && !QFileInfo(path).isSymLink());
            QCOMPARE(modeAt(path), 0700);
            WriteFailure failure;
            QVERIFY2(
                saveFileAtomically("a dragged picture", *folder, QStringLiteral("x.png"), &failure),
                qPrintable(failure.text));
            QCOMPARE(readFile(path + QStringLiteral("/x.png")), QByteArray("a dragged picture"));
        }
        // Nothing was followed: the other folder is as it was, and no link made its target.
        QCOMPARE(modeAt(elsewhere), 0755);
        QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("other.png")});
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("made-through-the-link"))));
    }

    // The folder is written through what was opened and checked: a link put in its place
    // afterwards, as another program could, is never followed.
    void linkPutInItsPlaceAfterwards() {
        QTemporaryDir root;
        const QString path = root.filePath(QStringLiteral("vokarelo"));
        const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
        const QString movedAway = root.filePath(QStringLiteral("moved-away"));
        QVERIFY(QDir().mkdir(elsewhere));
        FileError error;
        const std::unique_ptr<OpenFolder> folder =
            systemFileStore().openPrivateFolder(path, &error);
        QVERIFY2(folder, qPrintable(error.text));
        QVERIFY(QDir().rename(path, movedAway));
        QVERIFY(QFile::link(elsewhere, path));

        QVERIFY(saveFileAtomically("a dragged picture", *folder, QStringLiteral("x.png")));

        QCOMPARE(readFile(movedAway + QStringLiteral("/x.png")), QByteArray("a dragged picture"));
        QVERIFY(QDir(elsewhere).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // Only a name in the folder is written, never one that leads out of it.
    void namesOutsideTheFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("into a folder below") << "below/x.png";
        QTest::newRow("up") << "../x.png";
        QTest::newRow("the folder itself") << ".";
        QTest::newRow("empty") << "";
    }
    void namesOutsideTheFolder() {
        QFETCH(QString, name);
        QTemporaryDir root;
        const QString path = root.filePath(QStringLiteral("vokarelo"));
        FileError error;
        const std::unique_ptr<OpenFolder> folder =
            systemFileStore().openPrivateFolder(path, &error);
        QVERIFY2(folder, qPrintable(error.text));
        QVERIFY(QDir(path).mkdir(QStringLiteral("below")));

        WriteFailure failure;
        QVERIFY(!saveFileAtomically("a dragged picture", *folder, name, &failure));
        QCOMPARE(failure.kind, WriteFailure::Kind::InvalidName);
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("x.png"))));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral("/below/x.png")));
    }

    // The folder above must be there; only the private folder itself is made.
    void folderAboveMissing() {
        QTemporaryDir root;
        FileError error;
        QVERIFY(!systemFileStore().openPrivateFolder(
            root.filePath(QStringLiteral("missing/vokarelo")), &error));
        QCOMPARE(error.errorNumber, ENOENT);
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("missing"))));
    }
};

QTEST_GUILESS_MAIN(TestPrivateFolder)
#include "test_private_folder.moc"
