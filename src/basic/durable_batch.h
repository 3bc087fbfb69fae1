// SPDX-License-Identifier: MIT
#pragma once

#include "file_store.h"

#include <memory>
#include <vector>

// Files written through a store while a batch is open take their names whole, as every file does,
// but reach the disk together: the batch syncs each file system written to once when it finishes,
// where a file written alone syncs itself and then its folder. A run that writes many pictures
// opens one, so that they cost one sync instead of two each, and finishes it before it reports
// them saved. A batch opened inside another finishes its own files; the outer one goes on.
class DurableBatch {
public:
    explicit DurableBatch(FileStore& files);
    DurableBatch(const DurableBatch&) = delete;
    DurableBatch& operator=(const DurableBatch&) = delete;
    // Finishes the batch when it was not: the files reach the disk even when whatever ends the
    // run has no use for the outcome.
    ~DurableBatch();

    // Returns once every file written in the batch is on the disk with its name; false with the
    // first reason in error when one is not. Files written afterwards are durable at once again.
    bool finish(FileError* error);
    // A file took its name in folder: the batch holds one folder of each file system written to,
    // to sync it through.
    void written(std::unique_ptr<OpenFolder> folder);

private:
    FileStore& files_;
    DurableBatch* enclosing_;
    bool finished_ = false;
    std::vector<std::unique_ptr<OpenFolder>> fileSystems_;
};
