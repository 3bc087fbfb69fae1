// SPDX-License-Identifier: MIT
#include "system_file_store.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A file descriptor, closed with its owner.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// The temporary names in use, where a signal handler can read them: each slot is claimed with an
// atomic exchange and holds its folder and name in plain memory, so the handler needs no lock.
constexpr std::size_t TemporaryNameSize = 32; // ".vokarelo-" 16 hex digits ".tmp" and the NUL
constexpr int SlotFree = 0;
constexpr int SlotClaimed = 1;
constexpr int SlotNamed = 2;

struct TemporaryNameSlot {
    std::atomic<int> state{SlotFree};
    int folder = -1;
    char name[TemporaryNameSize] = {};
};
static_assert(std::atomic<int>::is_always_lock_free);

TemporaryNameSlot temporaryNames[16];
constexpr int EndingSignals[] = {SIGHUP, SIGINT, SIGTERM};

} // namespace

extern "C" void removeTemporaryFilesAndEnd(int signalNumber) {
    for (TemporaryNameSlot& slot : temporaryNames)
        if (slot.state.load() == SlotNamed)
            ::unlinkat(slot.folder, slot.name, 0);
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    ::sigaction(signalNumber, &byDefault, nullptr);
    ::raise(signalNumber); // delivered when the handler returns, and ends the program as it would
}

namespace {

// A random name in a folder, known to the signal handler from before the file is made until the
// file has its own name or is gone.
class TemporaryName {
public:
    explicit TemporaryName(int folder) : folder_(folder) {
        for (TemporaryNameSlot& slot : temporaryNames) {
            int expected = SlotFree;
            if (slot.state.compare_exchange_strong(expected, SlotClaimed)) {
                slot_ = &slot;
                break;
            }
        }
        renew();
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName() { release(); }

    const char* name() const { return name_.data(); }

    // Another name, when the last one was taken.
    void renew() {
        std::snprintf(name_.data(), name_.size(), ".vokarelo-%016llx.tmp",
                      static_cast<unsigned long long>(QRandomGenerator::system()->generate64()));
        // Sixteen saves at once are more than the program ever makes; a seventeenth goes
        // unguarded rather than waiting.
        if (!slot_)
            return;
        slot_->state.store(SlotClaimed);
        slot_->folder = folder_;
        std::memcpy(slot_->name, name_.data(), name_.size());
        slot_->state.store(SlotNamed);
    }

    // The file no longer has this name (renamed or removed).
    void release() {
        if (slot_)
            slot_->state.store(SlotFree);
        slot_ = nullptr;
    }

private:
    int folder_;
    TemporaryNameSlot* slot_ = nullptr;
    std::array<char, TemporaryNameSize> name_{};
};

// The system refuses to sync some file systems (a pipe, a special file system); they keep what they
// were given all the same.
bool syncUnsupported(int errorNumber) {
    return errorNumber == EINVAL || errorNumber == ENOTSUP || errorNumber == ENOSYS;
}

bool synced(int fd) {
    return ::fsync(fd) == 0 || syncUnsupported(errno);
}

struct HeldFolder {
    HeldFolder(int fd, bool readable) : descriptor(fd), readable(readable) {}

    Descriptor descriptor;
    bool readable; // opened for reading, as a sync needs; a folder this user may not list is not
};

// A folder's file system; 0 when the system cannot say, which no mounted file system is numbered.
quint64 fileSystemOf(int folder) {
    struct stat status;
    return ::fstat(folder, &status) == 0 ? quint64(status.st_dev) : 0;
}

class SystemPendingFile : public PendingFile {
public:
    // fd is a file without a name when temporary is empty.
    SystemPendingFile(std::shared_ptr<HeldFolder> folder, QByteArray name, int fd,
                      std::unique_ptr<TemporaryName> temporary)
        : folder_(std::move(folder)), name_(std::move(name)), file_(fd),
          temporary_(std::move(temporary)) {}

    ~SystemPendingFile() override {
        if (temporary_)
            ::unlinkat(folderFd(), temporary_->name(), 0);
    }

    qint64 write(const char* data, qint64 size) override {
        const ssize_t taken = ::write(file_.get(), data, std::size_t(size));
        if (taken < 0)
            error_ = systemError(errno);
        return taken;
    }

    bool sync() override { return synced(file_.get()) || failed(errno); }

    qint64 size() override {
        struct stat status;
        if (::fstat(file_.get(), &status) == 0)
            return status.st_size;
        error_ = systemError(errno);
        return -1;
    }

    bool commit(Durable durable) override {
        if (!temporary_ && !linkUnnamedFile())
            return false;
        if (::renameat(folderFd(), temporary_->name(), folderFd(), name_.constData()) != 0)
            return failed(errno);
        temporary_.reset();
        return durable == Durable::Later || syncFolder();
    }

    FileError error() const override { return error_; }

private:
    int folderFd() const { return folder_->descriptor.get(); }

    bool failed(int errorNumber) {
        error_ = systemError(errorNumber);
        return false;
    }

    // A file without a name can be linked only to a free name: it gets a temporary one, which the
    // rename then moves onto the name it is for, whatever holds that.
    bool linkUnnamedFile() {
        auto temporary = std::make_unique<TemporaryName>(folderFd());
        char self[32];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", file_.get());
        for (int attempt = 0;; ++attempt) {
            int linked = ::linkat(AT_FDCWD, self, folderFd(), temporary->name(), AT_SYMLINK_FOLLOW);
            // Without /proc, the file itself; the system allows that to fewer users.
            if (linked != 0 && errno == ENOENT)
                linked = ::linkat(file_.get(), "", folderFd(), temporary->name(), AT_EMPTY_PATH);
            if (linked == 0)
                break;
            if (errno != EEXIST || attempt == 8)
                return failed(errno);
            temporary->renew();
        }
        temporary_ = std::move(temporary);
        return true;
    }

    // The new name is on the disk only once the folder is.
    bool syncFolder() {
        if (folder_->readable)
            return synced(folderFd()) || failed(errno);
        return true;
    }

    std::shared_ptr<HeldFolder> folder_;
    QByteArray name_;
    Descriptor file_;
    std::unique_ptr<TemporaryName> temporary_; // the file's name until it takes its own
    FileError error_;
};

// Whether this user may write the regular file name in folder. The kernel knows best for an
// ordinary user: it weighs the mode, the groups and any access control list. The superuser may
// write any file, but a file with no write permission for anyone is kept from the superuser too:
// someone made it read-only.
bool mayWrite(int folder, const char* name, const struct stat& status) {
    if (::geteuid() == 0)
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return ::faccessat(folder, name, W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
}

EntryKind entryKindOf(int folder, const char* name, const struct stat& status) {
    switch (status.st_mode & S_IFMT) {
    case S_IFREG:
        return mayWrite(folder, name, status) ? EntryKind::RegularFile : EntryKind::ReadOnlyFile;
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

class SystemFolder : public OpenFolder {
public:
    SystemFolder(std::shared_ptr<HeldFolder> folder, bool unnamedFiles)
        : folder_(std::move(folder)), unnamedFiles_(unnamedFiles), fileSystem_(fileSystemOf(fd())) {
    }

    quint64 fileSystem() const override { return fileSystem_; }

    // One call for a whole batch's files and names. It reports a failure to write back anything
    // on the file system since the folder was opened, which is before the batch's files were.
    bool syncFileSystem(FileError* error) override {
        if (!folder_->readable) {
            // A folder this user may only pass through cannot be synced by its descriptor.
            ::sync();
            return true;
        }
        if (::syncfs(fd()) == 0 || syncUnsupported(errno))
            return true;
        *error = systemError(errno);
        return false;
    }

    EntryKind entryKind(const QString& name) override {
        const QByteArray bytes = QFile::encodeName(name);
        struct stat status;
        if (::fstatat(fd(), bytes.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return EntryKind::Missing;
        return entryKindOf(fd(), bytes.constData(), status);
    }

    std::unique_ptr<PendingFile> create(const QString& name, FileError* error) override {
        const QByteArray bytes = QFile::encodeName(name);
        // A file that is replaced lends the new one its permissions; until then the new one is
        // this user's alone.
        struct stat earlier;
        const bool replaces =
            ::fstatat(fd(), bytes.constData(), &earlier, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(earlier.st_mode);
        const mode_t mode = replaces ? 0600 : 0666;

        std::unique_ptr<TemporaryName> temporary;
        int file = -1;
        if (unnamedFiles_) {
            file = ::openat(fd(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
            // Older kernels and some file systems cannot make a file without a name.
            if (file < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != ENOENT &&
                errno != EINVAL)
                return refused(errno, error);
        }
        if (file < 0) {
            temporary = std::make_unique<TemporaryName>(fd());
            for (int attempt = 0;; ++attempt) {
                file = ::openat(fd(), temporary->name(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
                if (file >= 0)
                    break;
                if (errno != EEXIST || attempt == 8)
                    return refused(errno, error);
                temporary->renew();
            }
        }
        auto pending =
            std::make_unique<SystemPendingFile>(folder_, bytes, file, std::move(temporary));
        if (replaces && ::fchmod(file, earlier.st_mode & 0777) != 0)
            return refused(errno, error);
        return pending;
    }

private:
    int fd() const { return folder_->descriptor.get(); }

    static std::unique_ptr<PendingFile> refused(int errorNumber, FileError* error) {
        *error = systemError(errorNumber);
        return nullptr;
    }

    std::shared_ptr<HeldFolder> folder_;
    bool unnamedFiles_;
    quint64 fileSystem_;
};

} // namespace

void removeTemporaryFilesOnEndingSignals() {
    // Only a signal that would end the program anyway is taken over; one the program ignores or
    // handles itself stays as it is.
    struct sigaction handler = {};
    handler.sa_handler = removeTemporaryFilesAndEnd;
    sigemptyset(&handler.sa_mask);
    for (const int signalNumber : EndingSignals)
        sigaddset(&handler.sa_mask, signalNumber);
    for (const int signalNumber : EndingSignals) {
        struct sigaction current;
        if (::sigaction(signalNumber, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
            current.sa_handler == SIG_DFL)
            ::sigaction(signalNumber, &handler, nullptr);
    }
}

SystemFileStore::SystemFileStore(ProgramFolder programFolder, QString picturesFolder,
                                 NewFiles newFiles)
    : programFolder_(std::move(programFolder)), picturesFolder_(std::move(picturesFolder)),
      newFiles_(newFiles) {}

std::unique_ptr<OpenFolder> SystemFileStore::openFolder(const QString& path, FileError* error) {
    const QByteArray name = QFile::encodeName(path);
    bool readable = true;
    int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) {
        readable = false;
        fd = ::open(name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    if (fd < 0) {
        *error = systemError(errno);
        return nullptr;
    }
    auto held = std::make_shared<HeldFolder>(fd, readable);
    return std::make_unique<SystemFolder>(std::move(held), newFiles_ == NewFiles::Unnamed);
}

std::unique_ptr<OpenFolder> SystemFileStore::openPrivateFolder(const QString& path,
                                                               FileError* error) {
    const auto refused = [error](int errorNumber) {
        *error = systemError(errorNumber);
        return nullptr;
    };
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(u'/'))
        trimmed.chop(1);
    const FolderAndName parts = splitPath(trimmed);
    if (parts.name == u"." || parts.name == u"..")
        return refused(EINVAL);
    const QByteArray name = QFile::encodeName(parts.name);
    // The folder above is held, so that the folder made and the one opened are the same, whatever
    // is renamed in the path meanwhile.
    const Descriptor above(
        ::open(QFile::encodeName(parts.folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (above.get() < 0)
        return refused(errno);
    if (::mkdirat(above.get(), name.constData(), 0700) != 0 && errno != EEXIST)
        return refused(errno);
    // A link at the name is no folder here, whatever it points to (ENOTDIR), nor is a file.
    const int fd =
        ::openat(above.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return refused(errno);
    auto held = std::make_shared<HeldFolder>(fd, true);
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return refused(errno);
    if (status.st_uid != ::geteuid())
        return refused(EPERM);
    // Ours but open to others (made by hand, say): closed through the descriptor, which holds the
    // folder that was checked.
    if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0 &&
        ::fchmod(fd, status.st_mode & ~mode_t(S_IFMT | S_IRWXG | S_IRWXO)) != 0)
        return refused(errno);
    return std::make_unique<SystemFolder>(std::move(held), newFiles_ == NewFiles::Unnamed);
}

bool SystemFileStore::canCreateIn(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    struct stat status;
    return ::stat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           ::faccessat(AT_FDCWD, name.constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool SystemFileStore::makeFolder(const QString& folder, FileError* error) {
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

ProgramFolder runningProgramFolder() {
    // Linux names the program file here, links resolved; Qt's own answer comes back empty for a
    // folder whose name is not UTF-8, and the export then wrote into the root.
    QByteArray executable(4096, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", executable.data(), executable.size());
        if (length < 0)
            return {};
        if (length < executable.size()) {
            executable.truncate(length);
            return programFolderOf(executable);
        }
        executable.resize(executable.size() * 2);
    }
}

QString userPicturesFolder() {
    return picturesFolderInHome(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                qEnvironmentVariable("HOME"));
}
