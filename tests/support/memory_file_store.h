// SPDX-License-Identifier: MIT
#pragma once

#include "basic/export_locations.h"
#include "basic/file_store.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// A file system held in memory, for tests of the model that need no disk: folders, files, links and
// whether this user may write a file or make files in a folder. A new file takes its name only
// when committed, replacing whatever had it (a link itself, never what it points to), as a rename
// does; a folder at the name refuses it. Relative paths are taken from the current folder, set by
// the test, and a name longer than a file system takes is refused. The export's folders are what
// the test sets.
class MemoryFileStore final : public FileStore, public ExportLocations {
public:
    struct Entry {
        EntryKind kind = EntryKind::RegularFile; // RegularFile, Directory, SymbolicLink or another
        QByteArray bytes;                        // a file's
        QString target;                          // a link's
        bool writable = true;
    };

    QString current = QStringLiteral("/work");
    ProgramFolder program = {QStringLiteral("/opt/vokarelo"), true};
    QString pictures;
    // How many syncs were asked for: of a file, of a folder as a file takes its name in it, of a
    // file system at the end of a batch.
    int syncs = 0;

    MemoryFileStore();

    // What a test puts on the disk: a folder and those above it, a file (its folders made), a link,
    // or something else (a FIFO, a device). An entry there already is replaced.
    void addFolder(const QString& path, bool writable = true);
    void addFile(const QString& path, const QByteArray& bytes, bool writable = true);
    void addLink(const QString& path, const QString& target);
    void addOther(const QString& path, EntryKind kind);
    bool remove(const QString& path);

    // A regular file's bytes; none when nothing, or no regular file, has the name.
    std::optional<QByteArray> file(const QString& path) const;
    // Everything under folder but folders, relative to it and sorted.
    QStringList filesUnder(const QString& folder) const;
    // The path as the store keys it: absolute, without "." or "..".
    QString absolute(const QString& path) const;

    std::unique_ptr<OpenFolder> openFolder(const QString& path, FileError* error) override;
    std::unique_ptr<OpenFolder> openPrivateFolder(const QString& path, FileError* error) override;
    ProgramFolder programFolder() const override { return program; }
    QString picturesFolder() const override { return pictures; }
    bool canCreateIn(const QString& folder) override;
    bool makeFolder(const QString& folder, FileError* error) override;

private:
    friend class MemoryFolder;
    friend class MemoryPendingFile;

    const Entry* find(const QString& absolutePath) const;
    // Where a link at the path leads, once; the path itself when no link has it.
    QString followed(const QString& absolutePath) const;
    void put(const QString& path, Entry entry);

    QMap<QString, Entry> entries_;
};
