#pragma once

#include "basic/file_store.h"

#include <QMetaType>
#include <cerrno>

// The system's file system with one failure put in where a test wants it: a disk that fills up
// at a given byte, with the error reported or lost on the way as a buffered write loses it, or a
// sync, rename or creation that fails.
class FailingFileStore : public FileStore {
public:
    enum class Fault {
        None,
        Create,    // no file or folder can be made (createError, ENOSPC unless set)
        DiskFull,  // bytes from fullAt on are refused (ENOSPC), a write across it is cut short
        LostWrite, // bytes from fullAt on are dropped, yet every write reports them taken
        Sync,      // the sync fails (EIO)
        Commit,    // the rename into place fails (EIO)
        ReadOnly,  // every existing file is one this user may not replace
    };
    Fault fault = Fault::None;
    qint64 fullAt = 0;
    int createError = ENOSPC;
    // A folder this user may not write into, as for a program installed in /usr/bin.
    QString readOnlyFolder;

    EntryKind entryKind(const QString& path) override;
    std::unique_ptr<PendingFile> create(const QString& path, FileError* error) override;
    bool canCreateIn(const QString& folder) override;
    bool makeFolder(const QString& folder, FileError* error) override;
};

Q_DECLARE_METATYPE(FailingFileStore::Fault)
