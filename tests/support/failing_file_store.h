// SPDX-License-Identifier: MIT
#pragma once

#include "basic/export_locations.h"
#include "basic/file_store.h"

#include <QMetaType>
#include <cerrno>
#include <functional>

class MemoryFileStore;

// The system's file system with one failure put in where a test wants it: a disk that fills up
// at a given byte, with the error reported or lost on the way as a buffered write loses it, or a
// sync, rename or creation that fails. A test may also act just before a file takes its name, as
// another program could. The program's folder and the pictures folder are what the test sets. The
// file system is the real one unless a test gives a memory store instead.
class FailingFileStore : public FileStore, public ExportLocations {
public:
    QString folder = QStringLiteral("/opt/vokarelo");
    bool folderDecodable = true;
    // The user's pictures folder; none unless a test gives one.
    QString pictures;

    enum class Fault {
        None,
        Create,    // no file or folder can be made, nor a private folder opened (createError,
                   // ENOSPC unless set)
        DiskFull,  // bytes from fullAt on are refused (ENOSPC), a write across it is cut short
        LostWrite, // bytes from fullAt on are dropped, yet every write reports them taken
        Sync,      // a sync fails (EIO): the file's, or the file system's that ends a batch
        Commit,    // the rename into place fails (EIO)
        ReadOnly,  // every existing file is one this user may not replace
    };
    Fault fault = Fault::None;
    qint64 fullAt = 0;
    int createError = ENOSPC;
    // A folder this user may not write into, as for a program installed in /usr/bin.
    QString readOnlyFolder;
    // New files are made under a temporary name, as on file systems without unnamed files.
    bool namedTemporaryFiles = false;
    // Runs when a complete file is about to take its name.
    std::function<void()> beforeCommit;
    // How many syncs were asked for: of a file, of a folder as a file takes its name in it, of a
    // file system at the end of a batch.
    int syncs = 0;

    // The file system the faults are put in: the system's when none.
    MemoryFileStore* memory = nullptr;

    std::unique_ptr<OpenFolder> openFolder(const QString& path, FileError* error) override;
    std::unique_ptr<OpenFolder> openPrivateFolder(const QString& path, FileError* error) override;
    bool canCreateIn(const QString& folder) override;
    bool makeFolder(const QString& folder, FileError* error) override;
    ProgramFolder programFolder() const override { return {folder, folderDecodable}; }
    QString picturesFolder() const override { return pictures; }

private:
    FileStore& store() const;
    ExportLocations& locations() const;
};

Q_DECLARE_METATYPE(FailingFileStore::Fault)
