// SPDX-License-Identifier: MIT
// The picture writer against the failures a real machine has: a disk that fills up part-way, a
// name that belongs to a link, folder, FIFO, socket or device, a name the system cannot spell, a
// picture too large for its format, and the steps of writing that fail. Whatever happens, the
// earlier file of the name is byte for byte what it was and nothing else appears.

#include "basic/durable_batch.h"
#include "basic/image_file.h"
#include "platform/system_file_store.h"
#include "support/failing_file_store.h"
#include "support/jpeg.h"
#include "support/memory_file_store.h"
#include "texts/file_failures.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <csignal>
#include <cstring>
#include <grp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

Q_DECLARE_METATYPE(EntryKind)
Q_DECLARE_METATYPE(WriteFailure::Kind)

namespace {

using Kind = WriteFailure::Kind;
// The system's file system, as the program writes through it.
FileStore& systemFileStore() {
    static SystemFileStore store({}, {});
    return store;
}

using Fault = FailingFileStore::Fault;

const QByteArray Earlier = "an earlier picture";

// A picture whose JPEG is some 50 KiB: noise, which the encoder cannot shrink.
QImage noisePicture() {
    QImage image(320, 320, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, state >> 8);
        }
    return image;
}

// Every entry of a folder with its content (files) or kind (anything else).
QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> entries;
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        if (info.isSymLink())
            entries.insert(info.fileName(), "link to " + info.symLinkTarget().toUtf8());
        else if (info.isFile() && file.open(QIODevice::ReadOnly))
            entries.insert(info.fileName(), file.readAll());
        else
            entries.insert(info.fileName(), "not a file");
    }
    return entries;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A temporary folder holding an earlier picture.jpg, beside a folder that must stay untouched.
struct Folders {
    QTemporaryDir root;
    QString folder = root.filePath(QStringLiteral("app"));
    QString outside = root.filePath(QStringLiteral("outside"));
    QString target = folder + QStringLiteral("/picture.jpg");

    Folders() {
        QDir(root.path()).mkdir(QStringLiteral("app"));
        QDir(root.path()).mkdir(QStringLiteral("outside"));
        writeFile(target, Earlier);
        writeFile(outside + QStringLiteral("/other.jpg"), "another program's file");
    }
};

struct Outcome {
    bool saved = false;
    WriteFailure failure{};
};

// Runs the writer in a child process whose file size limit is limit bytes: how a disk that is
// full beyond that size looks to a process (EFBIG where the disk would say ENOSPC), without a
// mount or root.
Outcome saveUnderFileSizeLimit(const QImage& image, const QString& path, rlim_t limit) {
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit fileSize;
        ::getrlimit(RLIMIT_FSIZE, &fileSize);
        fileSize.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        Outcome outcome;
        outcome.saved =
            saveImageAtomically(image, path, "jpeg", 75, systemFileStore(), &outcome.failure);
        QByteArray report;
        QDataStream stream(&report, QIODevice::WriteOnly);
        stream << outcome.saved << int(outcome.failure.kind) << outcome.failure.errorNumber
               << outcome.failure.text;
        const bool sent = ::write(channel[1], report.constData(), report.size()) == report.size();
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    Outcome outcome;
    int kind = 0;
    QDataStream stream(report);
    stream >> outcome.saved >> kind >> outcome.failure.errorNumber >> outcome.failure.text;
    outcome.failure.kind = Kind(kind);
    return outcome;
}

} // namespace

class TestImageFile : public QObject {
    Q_OBJECT

private slots:
    // The memory store that model tests write to answers a write as the system does: the same
    // outcome, the same reason, the same bytes at the name afterwards.
    void memoryStoreWritesAsTheSystemDoes_data() {
        QTest::addColumn<QString>("there"); // what is at the name first
        QTest::addColumn<QString>("name");  // relative to the folder
        QTest::newRow("nothing") << ""
                                 << "new.jpg";
        QTest::newRow("a file") << "file"
                                << "new.jpg";
        QTest::newRow("a folder") << "folder"
                                  << "new.jpg";
        QTest::newRow("a link") << "link"
                                << "new.jpg";
        QTest::newRow("a FIFO") << "fifo"
                                << "new.jpg";
        QTest::newRow("in a missing folder") << ""
                                             << "missing/new.jpg";
        QTest::newRow("in a file") << "file"
                                   << "new.jpg/inside.jpg";
        QTest::newRow("a name too long") << "" << QString(256, u'n');
        QTest::newRow("a name just short enough") << "" << QString(255, u'n');
    }
    void memoryStoreWritesAsTheSystemDoes() {
        QFETCH(QString, there);
        QFETCH(QString, name);
        const QString taken = QStringLiteral("new.jpg");
        QTemporaryDir real;
        MemoryFileStore memory;
        const QString inMemory = QStringLiteral("/folder");
        memory.addFolder(inMemory);
        memory.addFile(inMemory + QStringLiteral("/other.jpg"), "other");
        writeFile(real.filePath(QStringLiteral("other.jpg")), "other");
        if (there == u"file") {
            writeFile(real.filePath(taken), "earlier");
            memory.addFile(inMemory + u'/' + taken, "earlier");
        } else if (there == u"folder") {
            QVERIFY(QDir(real.path()).mkdir(taken));
            memory.addFolder(inMemory + u'/' + taken);
        } else if (there == u"link") {
            QVERIFY(QFile::link(QStringLiteral("other.jpg"), real.filePath(taken)));
            memory.addLink(inMemory + u'/' + taken, QStringLiteral("other.jpg"));
        } else if (there == u"fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(real.filePath(taken)).constData(), 0644), 0);
            memory.addOther(inMemory + u'/' + taken, EntryKind::Fifo);
        }

        WriteFailure onDisk{};
        WriteFailure held{};
        const bool savedOnDisk =
            saveFileAtomically("new", real.filePath(name), systemFileStore(), &onDisk);
        const bool savedInMemory = saveFileAtomically("new", inMemory + u'/' + name, memory, &held);
        QCOMPARE(savedInMemory, savedOnDisk);
        if (!savedOnDisk) {
            QCOMPARE(held.kind, onDisk.kind);
            QCOMPARE(held.errorNumber, onDisk.errorNumber);
            QCOMPARE(held.entry, onDisk.entry);
        }
        const QFileInfo onDiskNow(real.filePath(name));
        QCOMPARE(memory.file(inMemory + u'/' + name),
                 onDiskNow.isFile() && !onDiskNow.isSymLink()
                     ? std::optional(readFile(real.filePath(name)))
                     : std::nullopt);
        QCOMPARE(memory.file(inMemory + QStringLiteral("/other.jpg")),
                 std::optional(readFile(real.filePath(QStringLiteral("other.jpg")))));
    }

    // Between 16 KiB (Qt's write buffer) and the picture's size, the write that overflowed the
    // limit used to fail only in the last flush, which nobody checked: a cut-off file replaced the
    // earlier one as saved. Below 16 KiB the reason was "Unknown error".
    void fullDisk_data() {
        QTest::addColumn<int>("limit"); // bytes
        const int size = int(jpegAt75(noisePicture()).size());
        QTest::newRow("no room at all") << 0;
        QTest::newRow("8 KiB") << 8 * 1024;
        QTest::newRow("16 KiB") << 16 * 1024;
        QTest::newRow("20 KiB") << 20 * 1024;
        QTest::newRow("one byte short") << size - 1;
        QTest::newRow("exactly the picture") << size;
    }
    void fullDisk() {
        QFETCH(int, limit);
        Folders f;
        const QImage picture = noisePicture();
        const QByteArray jpeg = jpegAt75(picture); // also loads the encoder before the fork
        QVERIFY(jpeg.size() > 40 * 1024);
        const QMap<QString, QByteArray> outside = contents(f.outside);

        const Outcome outcome = saveUnderFileSizeLimit(picture, f.target, rlim_t(limit));

        QCOMPARE(contents(f.outside), outside);
        if (limit == jpeg.size()) {
            QVERIFY2(outcome.saved, qPrintable(outcome.failure.text));
            QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", jpeg}}));
            return;
        }
        QVERIFY(!outcome.saved);
        QCOMPARE(outcome.failure.kind, Kind::FileSystem);
        QCOMPARE(outcome.failure.errorNumber, EFBIG);
        QCOMPARE(outcome.failure.text, QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", Earlier}}));
    }

    // A name that belongs to anything but a regular file is refused before anything is written:
    // a link is not followed (dangling, it would create its target), and a folder, FIFO, socket
    // or device is not replaced by a picture.
    void refusedTargets_data() {
        QTest::addColumn<QString>("make");
        QTest::addColumn<EntryKind>("entry");
        QTest::newRow("link to a file outside") << "link" << EntryKind::SymbolicLink;
        QTest::newRow("dangling link") << "dangling" << EntryKind::SymbolicLink;
        QTest::newRow("link to a folder") << "folder link" << EntryKind::SymbolicLink;
        QTest::newRow("folder") << "folder" << EntryKind::Directory;
        QTest::newRow("FIFO") << "fifo" << EntryKind::Fifo;
        QTest::newRow("socket") << "socket" << EntryKind::Socket;
        QTest::newRow("character device") << "device" << EntryKind::Device;
    }
    void refusedTargets() {
        QFETCH(QString, make);
        QFETCH(EntryKind, entry);
        Folders f;
        const QString name = f.folder + QStringLiteral("/new.jpg");
        const QByteArray nameBytes = QFile::encodeName(name);
        const QString dangling = f.outside + QStringLiteral("/created.jpg");
        if (make == u"link")
            QVERIFY(QFile::link(f.outside + QStringLiteral("/other.jpg"), name));
        else if (make == u"dangling")
            QVERIFY(QFile::link(dangling, name));
        else if (make == u"folder link")
            QVERIFY(QFile::link(f.outside, name));
        else if (make == u"folder")
            QVERIFY(QDir(f.folder).mkdir(QStringLiteral("new.jpg")));
        else if (make == u"fifo")
            QCOMPARE(::mkfifo(nameBytes.constData(), 0644), 0);
        else if (make == u"socket")
            QVERIFY(bindSocket(nameBytes));
        else if (::getuid() != 0)
            QSKIP("only root can make a device node; refusesTheSystemsDevice covers /dev/null");
        else
            QCOMPARE(::mknod(nameBytes.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        QCOMPARE(systemFileStore().entryKind(name), entry);
        const QMap<QString, QByteArray> inside = contents(f.folder);
        const QMap<QString, QByteArray> outside = contents(f.outside);

        WriteFailure failure;
        QVERIFY(
            !saveImageAtomically(noisePicture(), name, "jpeg", 75, systemFileStore(), &failure));
        QCOMPARE(failure.kind, Kind::NotARegularFile);
        QCOMPARE(failure.entry, entry);
        const QString english = writeFailureText(failure).english;
        QVERIFY2(english.startsWith(QStringLiteral("the name belongs to a")), qPrintable(english));
        QCOMPARE(contents(f.folder), inside);
        QCOMPARE(contents(f.outside), outside);
        QCOMPARE(systemFileStore().entryKind(name), entry);
    }

    // The system's own /dev/null, which a picture once replaced when the program ran as root. The
    // file system here cannot create a file, so that the test harms nothing should the refusal
    // ever fail: the writer would then report the creation's failure instead.
    void refusesTheSystemsDevice() {
        FailingFileStore files;
        files.fault = Fault::Create;
        WriteFailure failure;
        QVERIFY(!saveImageAtomically(noisePicture(), QStringLiteral("/dev/null"), "jpeg", 75, files,
                                     &failure));
        QCOMPARE(failure.kind, Kind::NotARegularFile);
        QCOMPARE(failure.entry, EntryKind::Device);
        QCOMPARE(writeFailureText(failure).english,
                 QStringLiteral("the name belongs to a device, not a file"));
    }

    void entryKinds() {
        QCOMPARE(systemFileStore().entryKind(QStringLiteral("/dev/null")), EntryKind::Device);
        QCOMPARE(systemFileStore().entryKind(QStringLiteral("/no/such/file")), EntryKind::Missing);
        Folders f;
        QCOMPARE(systemFileStore().entryKind(f.target), EntryKind::RegularFile);
    }

    // A name the system cannot spell would be written under another one: before a NUL, or with a
    // replacement character for a lone UTF-16 half.
    void unspellableNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("NUL") << QStringLiteral("picture.jpg") + QChar(u'\0') + QStringLiteral("x");
        QTest::newRow("lone high half") << QStringLiteral("picture") + QChar(0xd800) + ".jpg";
        QTest::newRow("lone low half") << QStringLiteral("picture") + QChar(0xdc00) + ".jpg";
    }
    void unspellableNames() {
        QFETCH(QString, name);
        Folders f;
        WriteFailure failure;
        QVERIFY(!saveImageAtomically(noisePicture(), f.folder + u'/' + name, "jpeg", 75,
                                     systemFileStore(), &failure));
        QCOMPARE(failure.kind, Kind::InvalidName);
        QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", Earlier}}));
    }

    // JPEG ends at 65 500 pixels a side in libjpeg; the reason says so instead of "Unknown error".
    // PNG has no such limit.
    void pictureSizeLimits_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("saved");
        QTest::newRow("JPEG at the limit") << QSize(65500, 1) << QByteArray("jpeg") << true;
        QTest::newRow("JPEG too wide") << QSize(65501, 1) << QByteArray("jpeg") << false;
        QTest::newRow("JPEG too high") << QSize(1, 70000) << QByteArray("jpeg") << false;
        QTest::newRow("PNG as wide") << QSize(70000, 1) << QByteArray("png") << true;
    }
    void pictureSizeLimits() {
        QFETCH(QSize, size);
        QFETCH(QByteArray, format);
        QFETCH(bool, saved);
        Folders f;
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        WriteFailure failure;
        QCOMPARE(saveImageAtomically(picture, f.target, format.constData(), -1, systemFileStore(),
                                     &failure),
                 saved);
        if (saved) {
            QCOMPARE(QImageReader(f.target).size(), size);
            return;
        }
        QCOMPARE(failure.kind, Kind::TooLargeForFormat);
        QCOMPARE(writeFailureText(failure).english,
                 QStringLiteral("the picture is %1 × %2 pixels; JPEG holds at most "
                                "65500 on either side")
                     .arg(size.width())
                     .arg(size.height()));
        QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", Earlier}}));
    }

    // Each step of writing failing in turn; a write whose error is lost on the way (as Qt's own
    // buffered flush loses it) is caught by the file's size on the disk, before the rename.
    void failingSteps_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("fullAt"); // -1: one byte short of the picture
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("errorNumber");
        QTest::newRow("no file") << Fault::Create << 0 << Kind::FileSystem << ENOSPC;
        QTest::newRow("full from the start") << Fault::DiskFull << 0 << Kind::FileSystem << ENOSPC;
        QTest::newRow("full part-way") << Fault::DiskFull << 5000 << Kind::FileSystem << ENOSPC;
        QTest::newRow("full at the last byte")
            << Fault::DiskFull << -1 << Kind::FileSystem << ENOSPC;
        QTest::newRow("lost from the start") << Fault::LostWrite << 0 << Kind::ShortFile << 0;
        QTest::newRow("lost part-way") << Fault::LostWrite << 5000 << Kind::ShortFile << 0;
        QTest::newRow("last byte lost") << Fault::LostWrite << -1 << Kind::ShortFile << 0;
        QTest::newRow("sync") << Fault::Sync << 0 << Kind::FileSystem << EIO;
        QTest::newRow("rename") << Fault::Commit << 0 << Kind::FileSystem << EIO;
    }
    void failingSteps() {
        QFETCH(Fault, fault);
        QFETCH(int, fullAt);
        QFETCH(Kind, kind);
        QFETCH(int, errorNumber);
        Folders f;
        const QImage picture = noisePicture();
        FailingFileStore files;
        files.fault = fault;
        files.fullAt = fullAt >= 0 ? fullAt : jpegAt75(picture).size() - 1;

        WriteFailure failure;
        QVERIFY(!saveImageAtomically(picture, f.target, "jpeg", 75, files, &failure));
        QCOMPARE(failure.kind, kind);
        QCOMPARE(failure.errorNumber, errorNumber);
        QVERIFY(!writeFailureText(failure).english.isEmpty());
        if (kind == Kind::ShortFile) {
            QCOMPARE(failure.sizeMeant, jpegAt75(picture).size());
            QCOMPARE(failure.sizeOnDisk, qint64(files.fullAt));
        }
        QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", Earlier}}));
    }

    // In a batch each file is whole at its name at once, and the batch's end syncs each file
    // system written to once, however many of its folders were written; afterwards each file is
    // synced as it is written again. With unnamed new files and named temporary ones alike.
    void batchSyncsEachFileSystemOnce_data() {
        QTest::addColumn<bool>("namedTemporaryFiles");
        QTest::newRow("unnamed new files") << false;
        QTest::newRow("named temporary files") << true;
    }
    void batchSyncsEachFileSystemOnce() {
        QFETCH(bool, namedTemporaryFiles);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a")) &&
                QDir(dir.path()).mkdir(QStringLiteral("b")));
        FailingFileStore files;
        files.namedTemporaryFiles = namedTemporaryFiles;
        const QImage picture = noisePicture();
        const QByteArray jpeg = jpegAt75(picture);
        const auto save = [&](const char* name) {
            return saveImageAtomically(picture, dir.filePath(QLatin1String(name)), "jpeg", 75,
                                       files);
        };
        {
            DurableBatch batch(files);
            for (const char* name : {"a/1.jpg", "a/2.jpg", "b/3.jpg"}) {
                QVERIFY(save(name));
                QFile written(dir.filePath(QLatin1String(name)));
                QVERIFY(written.open(QIODevice::ReadOnly) && written.readAll() == jpeg);
            }
            QCOMPARE(files.syncs, 0);
            FileError error;
            QVERIFY2(batch.finish(&error), qPrintable(error.text));
            QCOMPARE(files.syncs, 1);
        }
        QVERIFY(save("b/4.jpg"));
        QCOMPARE(files.syncs, 3);
        QCOMPARE(contents(dir.filePath(QStringLiteral("a"))),
                 (QMap<QString, QByteArray>{{"1.jpg", jpeg}, {"2.jpg", jpeg}}));
        QCOMPARE(contents(dir.filePath(QStringLiteral("b"))),
                 (QMap<QString, QByteArray>{{"3.jpg", jpeg}, {"4.jpg", jpeg}}));
    }

    // A disk that has room for the whole picture is no fault.
    void fullJustAfterThePicture() {
        Folders f;
        const QImage picture = noisePicture();
        const QByteArray jpeg = jpegAt75(picture);
        FailingFileStore files;
        files.fault = Fault::DiskFull;
        files.fullAt = jpeg.size();
        QVERIFY(saveImageAtomically(picture, f.target, "jpeg", 75, files));
        QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", jpeg}}));
    }

    // For an ordinary user the kernel decides, access control lists included: a file whose mode
    // lets everyone write is read-only to a user whom its list denies writing. Run as root, the
    // test asks as the user nobody in a child process.
    void readOnlyForAnOrdinaryUser_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("deniedByList");
        QTest::addColumn<EntryKind>("entry");
        QTest::newRow("anyone may write") << 0666 << false << EntryKind::RegularFile;
        QTest::newRow("the owner alone") << 0644 << false << EntryKind::ReadOnlyFile;
        QTest::newRow("denied by the list") << 0666 << true << EntryKind::ReadOnlyFile;
    }
    void readOnlyForAnOrdinaryUser() {
        QFETCH(int, mode);
        QFETCH(bool, deniedByList);
        QFETCH(EntryKind, entry);
        if (::geteuid() != 0)
            QSKIP("only root can ask as another user");
        constexpr uid_t Nobody = 65534;
        Folders f;
        const QByteArray target = QFile::encodeName(f.target);
        QCOMPARE(::chmod(QFile::encodeName(f.root.path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(f.folder).constData(), 0755), 0);
        QCOMPARE(::chmod(target.constData(), mode_t(mode)), 0);
        if (deniedByList && !denyWriting(target, Nobody))
            QSKIP("the temporary folder's file system keeps no access control lists");
        // The root sees the mode alone.
        QCOMPARE(systemFileStore().entryKind(f.target),
                 mode & 0222 ? EntryKind::RegularFile : EntryKind::ReadOnlyFile);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                ::_exit(100);
            ::_exit(int(systemFileStore().entryKind(f.target)));
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(EntryKind(WEXITSTATUS(status)), entry);
    }

    // The mode decides, not whether this user could write the file anyway: a file no one may
    // write is kept from the superuser too. A file that is replaced lends the new one its mode.
    void readOnlyByMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<EntryKind>("entry");
        QTest::newRow("rw-r--r--") << 0644 << EntryKind::RegularFile;
        QTest::newRow("rw-r-----") << 0640 << EntryKind::RegularFile;
        QTest::newRow("-w-------") << 0200 << EntryKind::RegularFile;
        QTest::newRow("r--r--r--") << 0444 << EntryKind::ReadOnlyFile;
        QTest::newRow("r--------") << 0400 << EntryKind::ReadOnlyFile;
        QTest::newRow("---------") << 0000 << EntryKind::ReadOnlyFile;
    }
    void readOnlyByMode() {
        QFETCH(int, mode);
        QFETCH(EntryKind, entry);
        Folders f;
        const QByteArray target = QFile::encodeName(f.target);
        QCOMPARE(::chmod(target.constData(), mode_t(mode)), 0);
        QCOMPARE(systemFileStore().entryKind(f.target), entry);

        WriteFailure failure;
        const bool saved =
            saveFileAtomically("a new picture", f.target, systemFileStore(), &failure);
        struct stat status;
        QCOMPARE(::stat(target.constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 07777), mode);
        if (entry == EntryKind::RegularFile) {
            QVERIFY2(saved, qPrintable(failure.text));
            // Readable to its owner again (-w------- is, to the superuser only).
            QCOMPARE(::chmod(target.constData(), 0600), 0);
            QCOMPARE(contents(f.folder),
                     (QMap<QString, QByteArray>{{"picture.jpg", "a new picture"}}));
            return;
        }
        QVERIFY(!saved);
        QCOMPARE(failure.kind, Kind::ReadOnlyFile);
        QCOMPARE(::chmod(target.constData(), 0600), 0);
        QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", Earlier}}));
    }

    // Something appears at the name after the writer looked: the complete file replaces a link,
    // never writing where it points, and a FIFO, without opening it; a folder that appears keeps
    // its place. Both ways of making the new file, with and without a name of its own.
    void entryAppearsBeforeTheRename_data() {
        QTest::addColumn<QString>("make");
        QTest::addColumn<bool>("namedTemporary");
        QTest::addColumn<bool>("saved");
        for (const bool named : {false, true})
            for (const char* make : {"link", "dangling", "folder link", "fifo", "folder"})
                QTest::addRow("%s, %s", make, named ? "named temporary" : "unnamed")
                    << QString::fromLatin1(make) << named << (qstrcmp(make, "folder") != 0);
    }
    void entryAppearsBeforeTheRename() {
        QFETCH(QString, make);
        QFETCH(bool, namedTemporary);
        QFETCH(bool, saved);
        Folders f;
        const QString name = f.folder + QStringLiteral("/new.jpg");
        const QString dangling = f.outside + QStringLiteral("/created.jpg");
        FailingFileStore files;
        files.namedTemporaryFiles = namedTemporary;
        files.beforeCommit = [&] {
            if (make == u"link")
                QFile::link(f.outside + QStringLiteral("/other.jpg"), name);
            else if (make == u"dangling")
                QFile::link(dangling, name);
            else if (make == u"folder link")
                QFile::link(f.outside, name);
            else if (make == u"fifo")
                ::mkfifo(QFile::encodeName(name).constData(), 0644);
            else
                QDir(f.folder).mkdir(QStringLiteral("new.jpg"));
        };
        const QMap<QString, QByteArray> outside = contents(f.outside);

        WriteFailure failure;
        QCOMPARE(saveFileAtomically("a new picture", name, files, &failure), saved);
        QCOMPARE(contents(f.outside), outside);
        QMap<QString, QByteArray> inside{{"picture.jpg", Earlier}};
        if (saved) {
            inside.insert("new.jpg", "a new picture");
        } else {
            QCOMPARE(failure.kind, Kind::FileSystem);
            QCOMPARE(failure.errorNumber, EISDIR);
            inside.insert("new.jpg", "not a file");
        }
        QCOMPARE(contents(f.folder), inside);
    }

    // Another program flips a link in and out of the name while the pictures are saved: whatever
    // the timing, the link's target is never written, every save is either done or refused for
    // the link, and no temporary file stays behind.
    void linkFlippedWhileSaving_data() {
        QTest::addColumn<bool>("namedTemporary");
        QTest::newRow("unnamed") << false;
        QTest::newRow("named temporary") << true;
    }
    void linkFlippedWhileSaving() {
        QFETCH(bool, namedTemporary);
        Folders f;
        const QByteArray name = QFile::encodeName(f.folder + QStringLiteral("/new.jpg"));
        const QByteArray link = QFile::encodeName(f.folder + QStringLiteral("/link"));
        const QByteArray target = QFile::encodeName(f.outside + QStringLiteral("/other.jpg"));
        const QMap<QString, QByteArray> outside = contents(f.outside);
        FailingFileStore files;
        files.namedTemporaryFiles = namedTemporary;

        std::atomic<bool> stop = false;
        std::thread flipper([&] {
            while (!stop) {
                if (::symlink(target.constData(), link.constData()) == 0)
                    ::rename(link.constData(), name.constData());
                ::unlink(name.constData());
            }
        });
        QStringList unexpected;
        for (int save = 0; save < 300; ++save) {
            WriteFailure failure;
            if (!saveFileAtomically("a new picture", QFile::decodeName(name), files, &failure) &&
                (failure.kind != Kind::NotARegularFile || failure.entry != EntryKind::SymbolicLink))
                unexpected.append(failure.text);
        }
        stop = true;
        flipper.join();

        QCOMPARE(unexpected, QStringList());
        QCOMPARE(contents(f.outside), outside);
        QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", Earlier}}));
    }

    // Ended by a signal while a complete file waits under its temporary name, as on a file system
    // that cannot make a file without one: the program ends as the signal says, and the temporary
    // file goes with it.
    void endedWhileSaving_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void endedWhileSaving() {
        QFETCH(int, signalNumber);
        Folders f;
        const pid_t child = ::fork();
        if (child == 0) {
            // The program's own start: no handler for the signal (the test library has one), then
            // the program's own.
            std::signal(signalNumber, SIG_DFL);
            removeTemporaryFilesOnEndingSignals();
            FailingFileStore files;
            files.namedTemporaryFiles = true;
            files.beforeCommit = [&] {
                // Only a temporary file beside the earlier one shows that there was one to remove.
                if (QDir(f.folder).entryList(QDir::Files | QDir::Hidden).size() != 2)
                    ::_exit(2);
                ::raise(signalNumber);
            };
            saveFileAtomically("a new picture", f.target, files);
            ::_exit(3);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(WEXITSTATUS(status))));
        QCOMPARE(WTERMSIG(status), signalNumber);
        QCOMPARE(contents(f.folder), (QMap<QString, QByteArray>{{"picture.jpg", Earlier}}));
    }

private:
    // Gives the file an access control list that lets user read it but not write it, the rest
    // as its mode says; false where the file system keeps none.
    static bool denyWriting(const QByteArray& path, uid_t user) {
        struct Entry {
            quint16 tag;
            quint16 permissions;
            quint32 id;
        };
        struct List {
            quint32 version = 2;
            Entry entries[5];
        };
        constexpr quint16 Read = 4, ReadWrite = 6;
        const List list{2,
                        {{0x01, ReadWrite, quint32(-1)}, // the owner
                         {0x02, Read, quint32(user)},
                         {0x04, ReadWrite, quint32(-1)},   // the owning group
                         {0x10, ReadWrite, quint32(-1)},   // the mask
                         {0x20, ReadWrite, quint32(-1)}}}; // everyone else
        return ::setxattr(path.constData(), "system.posix_acl_access", &list, sizeof list, 0) == 0;
    }

    static bool bindSocket(const QByteArray& path) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (socket < 0 || std::size_t(path.size()) >= sizeof address.sun_path)
            return false;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        const bool bound =
            ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(socket);
        return bound;
    }
};

QTEST_GUILESS_MAIN(TestImageFile)
#include "test_image_file.moc"
