#pragma once

#include <QString>
#include <memory>

// What a name in a folder is, looked at without following a link. Missing also when the system
// cannot look; creating the file then says why.
enum class EntryKind {
    Missing,
    RegularFile,
    ReadOnlyFile, // a regular file this user may not replace
    SymbolicLink,
    Directory,
    Device,
    Fifo,
    Socket,
    Other
};

// A failure of the file system: the system's error number where it gave one (0 otherwise) and its
// words for it.
struct FileError {
    int errorNumber = 0;
    QString text;
};

// An error number with the system's words for it.
FileError systemError(int errorNumber);

// A new file written beside the name it is for. It takes that name only when committed; destroyed
// before, it is discarded and leaves no trace.
class PendingFile {
public:
    virtual ~PendingFile() = default;

    // Hands bytes to the system; returns how many it took, or -1.
    virtual qint64 write(const char* data, qint64 size) = 0;
    // Returns once what was written is on the disk.
    virtual bool sync() = 0;
    // The size the file has on the disk, or -1.
    virtual qint64 size() = 0;
    // Gives the file its name, replacing whatever file had it.
    virtual bool commit() = 0;
    // Why the last call that failed failed.
    virtual FileError error() const = 0;
};

// The file system as the picture writer sees it. Tests put one in its place that fails on purpose.
class FileStore {
public:
    virtual ~FileStore() = default;

    virtual EntryKind entryKind(const QString& path) = 0;
    // A new, empty file for path; nullptr with the reason in error when none can be made.
    virtual std::unique_ptr<PendingFile> create(const QString& path, FileError* error) = 0;
    // Whether this user may make files in folder: false when it is missing or not a folder.
    virtual bool canCreateIn(const QString& folder) = 0;
    // Makes folder, and the folders above it that are missing; false with the reason in error.
    virtual bool makeFolder(const QString& folder, FileError* error) = 0;
};

// The system's file system: new files through QSaveFile, so that the name changes hands only by
// an atomic rename.
FileStore& systemFileStore();
