// SPDX-License-Identifier: MIT
#pragma once

#include "basic/export_locations.h"
#include "basic/file_store.h"

// The system's file system, the one file store the program writes through. A new file is made
// without a name where the file system allows it and linked into place; elsewhere, or when asked
// to, under an unguessable temporary name, removed again should the program be ended by a signal
// before the file takes its own name (once removeTemporaryFilesOnEndingSignals has run).
// It is also where the export's folders are found and made, on the same file system.
class SystemFileStore final : public FileStore, public ExportLocations {
public:
    enum class NewFiles { Unnamed, NamedTemporary };

    // programFolder and picturesFolder are where the export writes: beside the program, or in the
    // user's pictures folder when that cannot be written.
    SystemFileStore(ProgramFolder programFolder, QString picturesFolder,
                    NewFiles newFiles = NewFiles::Unnamed);

    std::unique_ptr<OpenFolder> openFolder(const QString& path, FileError* error) override;
    std::unique_ptr<OpenFolder> openPrivateFolder(const QString& path, FileError* error) override;
    bool canCreateIn(const QString& folder) override;
    bool makeFolder(const QString& folder, FileError* error) override;
    ProgramFolder programFolder() const override { return programFolder_; }
    QString picturesFolder() const override { return picturesFolder_; }

private:
    ProgramFolder programFolder_;
    QString picturesFolder_;
    NewFiles newFiles_;
};

// Takes over the signals that end the program (SIGHUP, SIGINT, SIGTERM) where nothing else handles
// them, so that a temporary name in use is removed before the program ends as it would have. The
// handlers are the whole process's: main() installs them, once, before anything is written.
void removeTemporaryFilesOnEndingSignals();
// The handler itself, for a handler of the program's own that ends the program on a signal:
// removes the temporary names in use, then ends the program as the signal does by default.
// Async-signal-safe.
extern "C" void removeTemporaryFilesAndEnd(int signalNumber);

// The folder of the running program, read from the system, not from the command line.
ProgramFolder runningProgramFolder();

// The user's pictures folder, where an installed program exports, as the desktop's user folders
// name it: only when it is an absolute path inside a home folder that HOME names, absolutely, and
// that is there. Empty otherwise, so that an odd environment (no HOME, a relative or empty pictures
// folder) sends no picture to the root or the working folder.
QString userPicturesFolder();
