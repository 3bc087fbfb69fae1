// SPDX-License-Identifier: MIT
#include "durable_batch.h"

#include <algorithm>
#include <utility>

DurableBatch::DurableBatch(FileStore& files) : files_(files), enclosing_(files.batch_) {
    files_.batch_ = this;
}

DurableBatch::~DurableBatch() {
    FileError ignored;
    finish(&ignored);
}

bool DurableBatch::finish(FileError* error) {
    if (finished_)
        return true;
    finished_ = true;
    files_.batch_ = enclosing_;
    bool allSynced = true;
    // Every file system is synced, whatever an earlier one said: its files are no less wanted.
    for (const std::unique_ptr<OpenFolder>& folder : fileSystems_) {
        FileError failure;
        if (!folder->syncFileSystem(&failure) && std::exchange(allSynced, false))
            *error = failure;
    }
    fileSystems_.clear();
    return allSynced;
}

void DurableBatch::written(std::unique_ptr<OpenFolder> folder) {
    const quint64 fileSystem = folder->fileSystem();
    if (std::none_of(fileSystems_.begin(), fileSystems_.end(),
                     [fileSystem](const std::unique_ptr<OpenFolder>& held) {
                         return held->fileSystem() == fileSystem;
                     }))
        fileSystems_.push_back(std::move(folder));
}
