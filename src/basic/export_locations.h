// SPDX-License-Identifier: MIT
#pragma once

#include "file_store.h"
#include "program_folder.h"

#include <QString>

// Where pictures go: the folders the export chooses between, whether this user may make files in
// one, and the making of a folder that is missing. Apart from the file store, which writes: a run
// that guards what is written has nothing to guard here.
class ExportLocations {
public:
    virtual ~ExportLocations() = default;

    // The folder that holds the program, where the export writes.
    virtual ProgramFolder programFolder() const = 0;
    // The user's pictures folder, where the export writes when the program's folder cannot be
    // written; empty when the user has none that is safely inside the home folder.
    virtual QString picturesFolder() const = 0;
    // Whether this user may make files in folder: false when it is missing or not a folder.
    virtual bool canCreateIn(const QString& folder) = 0;
    // Makes folder, and the folders above it that are missing; false with the reason in error.
    virtual bool makeFolder(const QString& folder, FileError* error) = 0;
};
