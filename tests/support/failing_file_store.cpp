// SPDX-License-Identifier: MIT
#include "failing_file_store.h"

#include "memory_file_store.h"
#include "platform/system_file_store.h"

#include <cerrno>

namespace {

class FailingFile : public PendingFile {
public:
    FailingFile(std::unique_ptr<PendingFile> file, FailingFileStore& store)
        : file_(std::move(file)), fault_(store.fault), fullAt_(store.fullAt),
          beforeCommit_(store.beforeCommit), syncs_(store.syncs) {}

    qint64 write(const char* data, qint64 size) override {
        const bool full = fault_ == FailingFileStore::Fault::DiskFull ||
                          fault_ == FailingFileStore::Fault::LostWrite;
        const qint64 room = full ? std::max<qint64>(0, fullAt_ - written_) : size;
        const qint64 taken = std::min(size, room);
        if (taken > 0 && file_->write(data, taken) != taken)
            return fail(file_->error());
        written_ += taken;
        if (fault_ == FailingFileStore::Fault::LostWrite)
            return size;
        if (taken == 0 && size > 0)
            return fail(systemError(ENOSPC));
        return taken;
    }
    bool sync() override {
        ++syncs_;
        if (fault_ == FailingFileStore::Fault::Sync)
            return failed(systemError(EIO));
        return file_->sync() || failed(file_->error());
    }
    qint64 size() override {
        const qint64 size = file_->size();
        return size < 0 ? fail(file_->error()) : size;
    }
    // A faulty rename leaves the file unnamed, to be discarded with it.
    bool commit(Durable durable) override {
        if (beforeCommit_)
            beforeCommit_();
        if (fault_ == FailingFileStore::Fault::Commit)
            return failed(systemError(EIO));
        if (durable == Durable::Now)
            ++syncs_;
        return file_->commit(durable) || failed(file_->error());
    }
    FileError error() const override { return error_; }

private:
    qint64 fail(const FileError& error) {
        error_ = error;
        return -1;
    }
    bool failed(const FileError& error) {
        error_ = error;
        return false;
    }

    std::unique_ptr<PendingFile> file_;
    FailingFileStore::Fault fault_;
    qint64 fullAt_;
    std::function<void()> beforeCommit_;
    int& syncs_;
    qint64 written_ = 0;
    FileError error_;
};

class FailingFolder : public OpenFolder {
public:
    FailingFolder(std::unique_ptr<OpenFolder> folder, FailingFileStore& store)
        : folder_(std::move(folder)), store_(store) {}

    EntryKind entryKind(const QString& name) override {
        const EntryKind kind = folder_->entryKind(name);
        return store_.fault == FailingFileStore::Fault::ReadOnly && kind == EntryKind::RegularFile
                   ? EntryKind::ReadOnlyFile
                   : kind;
    }

    std::unique_ptr<PendingFile> create(const QString& name, FileError* error) override {
        if (store_.fault == FailingFileStore::Fault::Create) {
            *error = systemError(store_.createError);
            return nullptr;
        }
        std::unique_ptr<PendingFile> file = folder_->create(name, error);
        if (!file)
            return nullptr;
        return std::make_unique<FailingFile>(std::move(file), store_);
    }

    quint64 fileSystem() const override { return folder_->fileSystem(); }
    bool syncFileSystem(FileError* error) override {
        ++store_.syncs;
        if (store_.fault == FailingFileStore::Fault::Sync) {
            *error = systemError(EIO);
            return false;
        }
        return folder_->syncFileSystem(error);
    }

private:
    std::unique_ptr<OpenFolder> folder_;
    FailingFileStore& store_;
};

} // namespace

namespace {

SystemFileStore& systemStore(bool namedTemporaryFiles) {
    static SystemFileStore unnamed({}, {}, SystemFileStore::NewFiles::Unnamed);
    static SystemFileStore named({}, {}, SystemFileStore::NewFiles::NamedTemporary);
    return namedTemporaryFiles ? named : unnamed;
}

} // namespace

FileStore& FailingFileStore::store() const {
    if (memory)
        return *memory;
    return systemStore(namedTemporaryFiles);
}

ExportLocations& FailingFileStore::locations() const {
    if (memory)
        return *memory;
    return systemStore(namedTemporaryFiles);
}

std::unique_ptr<OpenFolder> FailingFileStore::openFolder(const QString& path, FileError* error) {
    std::unique_ptr<OpenFolder> folder = store().openFolder(path, error);
    if (!folder)
        return nullptr;
    return std::make_unique<FailingFolder>(std::move(folder), *this);
}

std::unique_ptr<OpenFolder> FailingFileStore::openPrivateFolder(const QString& path,
                                                                FileError* error) {
    if (fault == Fault::Create) {
        *error = systemError(createError);
        return nullptr;
    }
    std::unique_ptr<OpenFolder> folder = store().openPrivateFolder(path, error);
    if (!folder)
        return nullptr;
    return std::make_unique<FailingFolder>(std::move(folder), *this);
}

bool FailingFileStore::canCreateIn(const QString& folder) {
    return folder != readOnlyFolder && locations().canCreateIn(folder);
}

bool FailingFileStore::makeFolder(const QString& folder, FileError* error) {
    if (fault == Fault::Create) {
        *error = systemError(createError);
        return false;
    }
    return locations().makeFolder(folder, error);
}
