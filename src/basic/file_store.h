// SPDX-License-Identifier: MIT
#pragma once

#include "task.h"

#include <QString>
#include <functional>
#include <memory>

// What a name in a folder is, looked at without following a link. Missing also when the system
// cannot look; creating the file then says why.
enum class EntryKind {
    Missing,
    RegularFile,
    ReadOnlyFile, // a regular file whose mode gives this user no write permission
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

// When a file that takes its name is on the disk: before the call returns, or once the batch it
// was written in has synced (DurableBatch).
enum class Durable { Now, Later };

// A new file written in the folder it is for. It takes its name only when committed; destroyed
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
    // Gives the file its name, replacing whatever had it (a link itself, never what it points
    // to); with Durable::Now returns once the folder holds the new name on the disk.
    virtual bool commit(Durable durable) = 0;
    // Why the last call that failed failed.
    virtual FileError error() const = 0;
};

// A folder held open. Its names are looked at and given relative to it, so that a link made in the
// folder or its path while a file is written cannot send the file anywhere else.
class OpenFolder {
public:
    virtual ~OpenFolder() = default;

    // What the name (one part of a path, no separator) holds.
    virtual EntryKind entryKind(const QString& name) = 0;
    // A new, empty file for the name; nullptr with the reason in error when none can be made.
    virtual std::unique_ptr<PendingFile> create(const QString& name, FileError* error) = 0;
    // The file system that holds the folder, as the system numbers it.
    virtual quint64 fileSystem() const = 0;
    // Returns once everything written on the folder's file system, in any of its folders, is on
    // the disk: the files and their names. False with the reason in error when it is not.
    virtual bool syncFileSystem(FileError* error) = 0;
};

class DurableBatch;

// The file system as the program writes to it: the program's one way to the disk, handed to
// whatever writes. Tests put one in its place that fails on purpose.
class FileStore {
public:
    virtual ~FileStore() = default;

    // The folder at path, opened once; nullptr with the reason in error when it cannot be.
    virtual std::unique_ptr<OpenFolder> openFolder(const QString& path, FileError* error) = 0;
    // The folder at path as one for this user alone, made so when missing. A link at its name is
    // not followed; it and anything else that is not a folder of this user's are refused (nullptr,
    // the reason in error). A folder of this user's that others may enter is closed to them first.
    virtual std::unique_ptr<OpenFolder> openPrivateFolder(const QString& path,
                                                          FileError* error) = 0;

    // What the last part of path holds, looked at in its folder.
    EntryKind entryKind(const QString& path);
    // Asks, before a write of path, whatever the write will need the user's word for, and calls
    // then once it is answered: a store that guards what a set-up's run writes asks the user
    // then, never in the middle of writing. By itself a store needs nobody's word.
    virtual void askBeforeWriting(const QString& path, std::function<void()> then) {
        (void)path;
        then();
    }
    // The same, awaited by a task.
    Answer<Arrived> askedBeforeWriting(const QString& path) {
        return Answer<Arrived>([this, path](auto then) {
            askBeforeWriting(path, [then = std::move(then)] { then(Arrived{}); });
        });
    }
    // The batch whose end makes the files written now durable; none when each is durable as it
    // takes its name.
    DurableBatch* durableBatch() const { return batch_; }

private:
    friend class DurableBatch;
    DurableBatch* batch_ = nullptr;
};

// A path as the folder that holds it and its name there: "." for a path without a folder, and
// "." for the name when the path ends in a separator (the folder itself).
struct FolderAndName {
    QString folder;
    QString name;
};
FolderAndName splitPath(const QString& path);
