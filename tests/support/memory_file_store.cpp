// SPDX-License-Identifier: MIT
#include "memory_file_store.h"

#include <QDir>
#include <cerrno>

namespace {

QString joined(const QString& folder, const QString& name) {
    return folder == u"/" ? folder + name : folder + u'/' + name;
}

QString parentOf(const QString& path) {
    return splitPath(path).folder;
}

} // namespace

// A new file's bytes, until it takes its name in the folder.
class MemoryPendingFile final : public PendingFile {
public:
    MemoryPendingFile(MemoryFileStore& store, QString path)
        : store_(store), path_(std::move(path)) {}

    qint64 write(const char* data, qint64 size) override {
        bytes_.append(data, size);
        return size;
    }
    bool sync() override {
        ++store_.syncs;
        return true;
    }
    qint64 size() override { return bytes_.size(); }
    bool commit(Durable durable) override {
        const MemoryFileStore::Entry* folder = store_.find(parentOf(path_));
        if (!folder || folder->kind != EntryKind::Directory)
            return fail(ENOENT);
        const MemoryFileStore::Entry* there = store_.find(path_);
        if (there && there->kind == EntryKind::Directory)
            return fail(EISDIR);
        store_.entries_.insert(path_, {EntryKind::RegularFile, bytes_, {}, true});
        if (durable == Durable::Now)
            ++store_.syncs;
        return true;
    }
    FileError error() const override { return error_; }

private:
    bool fail(int errorNumber) {
        error_ = systemError(errorNumber);
        return false;
    }

    MemoryFileStore& store_;
    QString path_;
    QByteArray bytes_;
    FileError error_;
};

class MemoryFolder final : public OpenFolder {
public:
    MemoryFolder(MemoryFileStore& store, QString path) : store_(store), path_(std::move(path)) {}

    EntryKind entryKind(const QString& name) override {
        const MemoryFileStore::Entry* entry = store_.find(joined(path_, name));
        if (!entry)
            return EntryKind::Missing;
        if (entry->kind == EntryKind::RegularFile && !entry->writable)
            return EntryKind::ReadOnlyFile;
        return entry->kind;
    }
    std::unique_ptr<PendingFile> create(const QString&, FileError* error) override;
    quint64 fileSystem() const override { return 1; }
    bool syncFileSystem(FileError*) override {
        ++store_.syncs;
        return true;
    }

private:
    MemoryFileStore& store_;
    QString path_;
};

MemoryFileStore::MemoryFileStore() {
    addFolder(QStringLiteral("/"));
    addFolder(current);
}

QString MemoryFileStore::absolute(const QString& path) const {
    return QDir::cleanPath(path.startsWith(u'/') ? path : joined(current, path));
}

const MemoryFileStore::Entry* MemoryFileStore::find(const QString& absolutePath) const {
    const auto at = entries_.constFind(absolutePath);
    return at == entries_.cend() ? nullptr : &*at;
}

void MemoryFileStore::put(const QString& path, Entry entry) {
    const QString key = absolute(path);
    if (key != u"/")
        addFolder(parentOf(key));
    entries_.insert(key, std::move(entry));
}

void MemoryFileStore::addFolder(const QString& path, bool writable) {
    const QString key = absolute(path);
    const Entry* there = find(key);
    if (there && there->kind == EntryKind::Directory && there->writable == writable)
        return;
    put(key, {EntryKind::Directory, {}, {}, writable});
}

void MemoryFileStore::addFile(const QString& path, const QByteArray& bytes, bool writable) {
    put(path, {EntryKind::RegularFile, bytes, {}, writable});
}

void MemoryFileStore::addLink(const QString& path, const QString& target) {
    put(path, {EntryKind::SymbolicLink, {}, target, true});
}

void MemoryFileStore::addOther(const QString& path, EntryKind kind) {
    put(path, {kind, {}, {}, true});
}

bool MemoryFileStore::remove(const QString& path) {
    return entries_.remove(absolute(path)) > 0;
}

std::optional<QByteArray> MemoryFileStore::file(const QString& path) const {
    const Entry* entry = find(absolute(path));
    if (!entry || entry->kind != EntryKind::RegularFile)
        return std::nullopt;
    return entry->bytes;
}

QStringList MemoryFileStore::filesUnder(const QString& folder) const {
    const QString prefix = joined(absolute(folder), {});
    QStringList found;
    for (auto at = entries_.lowerBound(prefix);
         at != entries_.cend() && at.key().startsWith(prefix); ++at)
        if (at->kind != EntryKind::Directory)
            found.append(at.key().mid(prefix.size()));
    return found;
}

std::unique_ptr<PendingFile> MemoryFolder::create(const QString& name, FileError* error) {
    // The longest name in a folder that Linux's file systems take, in bytes.
    constexpr qsizetype NameMaxBytes = 255;
    if (name.toUtf8().size() > NameMaxBytes) {
        *error = systemError(ENAMETOOLONG);
        return nullptr;
    }
    const MemoryFileStore::Entry* folder = store_.find(path_);
    if (!folder) {
        *error = systemError(ENOENT);
        return nullptr;
    }
    if (!folder->writable) {
        *error = systemError(EACCES);
        return nullptr;
    }
    return std::make_unique<MemoryPendingFile>(store_, joined(path_, name));
}

QString MemoryFileStore::followed(const QString& absolutePath) const {
    const Entry* entry = find(absolutePath);
    if (!entry || entry->kind != EntryKind::SymbolicLink)
        return absolutePath;
    return absolute(entry->target.startsWith(u'/') ? entry->target
                                                   : joined(parentOf(absolutePath), entry->target));
}

std::unique_ptr<OpenFolder> MemoryFileStore::openFolder(const QString& path, FileError* error) {
    const QString key = followed(absolute(path));
    const Entry* entry = find(key);
    if (!entry) {
        *error = systemError(ENOENT);
        return nullptr;
    }
    if (entry->kind != EntryKind::Directory) {
        *error = systemError(ENOTDIR);
        return nullptr;
    }
    return std::make_unique<MemoryFolder>(*this, key);
}

std::unique_ptr<OpenFolder> MemoryFileStore::openPrivateFolder(const QString& path,
                                                               FileError* error) {
    const QString key = absolute(path);
    const Entry* entry = find(key);
    if (!entry) {
        const Entry* parent = find(parentOf(key));
        if (!parent || parent->kind != EntryKind::Directory) {
            *error = systemError(ENOENT);
            return nullptr;
        }
        if (!parent->writable) {
            *error = systemError(EACCES);
            return nullptr;
        }
        entries_.insert(key, {EntryKind::Directory, {}, {}, true});
    } else if (entry->kind != EntryKind::Directory) {
        // A link at the name is no folder here, whatever it points to.
        *error = systemError(ENOTDIR);
        return nullptr;
    }
    return std::make_unique<MemoryFolder>(*this, key);
}

bool MemoryFileStore::canCreateIn(const QString& folder) {
    const Entry* entry = find(followed(absolute(folder)));
    return entry && entry->kind == EntryKind::Directory && entry->writable;
}

bool MemoryFileStore::makeFolder(const QString& folder, FileError* error) {
    const QString key = absolute(folder);
    QString made;
    for (const QString& part : key.split(u'/', Qt::SkipEmptyParts)) {
        const QString above = made.isEmpty() ? QStringLiteral("/") : made;
        made = followed(joined(above, part));
        const Entry* entry = find(made);
        if (entry && entry->kind == EntryKind::Directory)
            continue;
        if (entry) {
            *error = systemError(EEXIST); // something other than a folder has the name
            return false;
        }
        if (!find(above)->writable) {
            *error = systemError(EACCES);
            return false;
        }
        entries_.insert(made, {EntryKind::Directory, {}, {}, true});
    }
    return true;
}
