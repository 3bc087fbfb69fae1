#include "file_store.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SavedFile : public PendingFile {
public:
    explicit SavedFile(const QString& path) : file_(path) {}

    bool open() {
        // Unbuffered: every write reaches the system at once, so its count is the system's and no
        // failure waits in a buffer for a later flush that QSaveFile::commit() does not check.
        errno = 0;
        if (file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return true;
        fail();
        return false;
    }

    qint64 write(const char* data, qint64 size) override {
        errno = 0;
        const qint64 taken = file_.write(data, size);
        if (taken < 0)
            fail();
        return taken;
    }

    bool sync() override {
        if (::fsync(file_.handle()) == 0)
            return true;
        // A file system that cannot sync keeps what it was given all the same.
        if (errno == EINVAL || errno == ENOTSUP || errno == ENOSYS)
            return true;
        error_ = systemError(errno);
        return false;
    }

    qint64 size() override {
        struct stat status;
        if (::fstat(file_.handle(), &status) == 0)
            return status.st_size;
        error_ = systemError(errno);
        return -1;
    }

    bool commit() override {
        errno = 0;
        if (file_.commit())
            return true;
        fail();
        return false;
    }

    FileError error() const override { return error_; }

private:
    // Read at once after the failing call, which found errno cleared: a failure Qt finds without
    // the system's help gets no error number, rather than one from an older call.
    void fail() { error_ = {errno, file_.errorString()}; }

    QSaveFile file_;
    FileError error_;
};

class SystemFileStore : public FileStore {
public:
    EntryKind entryKind(const QString& path) override {
        struct stat status;
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
            return EntryKind::Missing;
        switch (status.st_mode & S_IFMT) {
        case S_IFREG:
            return ::access(QFile::encodeName(path).constData(), W_OK) == 0
                       ? EntryKind::RegularFile
                       : EntryKind::ReadOnlyFile;
        case S_IFLNK:
            return EntryKind::SymbolicLink;
        case S_IFDIR:
            return EntryKind::Directory;
        case S_IFCHR:
        case S_IFBLK:
            return EntryKind::Device;
        case S_IFIFO:
            return EntryKind::Fifo;
        case S_IFSOCK:
            return EntryKind::Socket;
        }
        return EntryKind::Other;
    }

    std::unique_ptr<PendingFile> create(const QString& path, FileError* error) override {
        auto file = std::make_unique<SavedFile>(path);
        if (file->open())
            return file;
        *error = file->error();
        return nullptr;
    }

    bool canCreateIn(const QString& folder) override {
        const QByteArray name = QFile::encodeName(folder);
        struct stat status;
        return ::stat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
               ::access(name.constData(), W_OK | X_OK) == 0;
    }

    bool makeFolder(const QString& folder, FileError* error) override {
        const QByteArray name = QFile::encodeName(folder);
        // Each folder from the top down: one that is there already, or a link to one, is kept.
        for (qsizetype end = name.indexOf('/', 1);; end = name.indexOf('/', end + 1)) {
            const QByteArray part = end < 0 ? name : name.left(end);
            struct stat status;
            if (::mkdir(part.constData(), 0777) != 0) {
                const int made = errno;
                if (made != EEXIST) {
                    *error = systemError(made);
                    return false;
                }
                if (::stat(part.constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
                    *error = systemError(EEXIST); // something other than a folder has the name
                    return false;
                }
            }
            if (end < 0)
                return true;
        }
    }
};

} // namespace

FileError systemError(int errorNumber) {
    return {errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber))};
}

FileStore& systemFileStore() {
    static SystemFileStore store;
    return store;
}
