// SPDX-License-Identifier: MIT
#pragma once

#include "basic/file_store.h"
#include "basic/image_file.h"
#include "bilingual_text.h"

#include <QString>

// Every failure to write or read a file, worded once. The English is what the script mode prints,
// with the system's own words where it gave some; the Chinese is what the window shows, a short
// reason that says what to mend.

// Why the writer wrote nothing.
BilingualText writeFailureText(const WriteFailure& failure);

// What went wrong in a call of the file system.
BilingualText fileSystemFailureText(const FileError& error);

// A script's "save" line that wrote nothing: path as it is shown, and why.
BilingualText pictureNotWrittenText(const QString& path, const WriteFailure& failure);

// The pictures of a run, written, that the system would not say are on the disk.
BilingualText picturesNotSyncedText(const FileError& error);

// The error of a write the user did not agree to, as a guard on a run's writes refuses it.
FileError declinedWriteError();

// A "save" line of a set-up opened in the window that names no picture.
BilingualText notAPictureNameText();

// Why the last session's set-up has nowhere to go, in the window's words.
QString noDataFolderText();

// The export that did not write path, with the reason its caption gave.
BilingualText exportNotWrittenText(const QString& path, const QString& reason);

// A folder that could not be made, with the reason, in the window's words.
QString folderNotMadeText(const QString& folder, const FileError& error);

// Why the export has no folder to write in, in the window's words.
enum class ExportFolderFault {
    ProgramFolderUnknown,     // the system cannot say where the program is
    ProgramFolderUndecodable, // the folder's name on the disk is no UTF-8
    NoWritableFolder,         // the program's folder is closed to this user, who has no pictures
};
QString exportFolderRefusal(ExportFolderFault fault);

// Why a number text cannot name a file inside the program's folder and nowhere else, naming the
// character at fault; empty when it can.
QString fileNameRefusal(const QString& name);

// Why a file could not be opened for reading, from the system's error number: in the window's
// words where the cause is a common one, the system's otherwise.
QString openFailureReason(int errorNumber);

// Why a file that is no regular file is not opened: entry says what it is.
QString notARegularFileReason(EntryKind entry);

// A file the window could not open, with the reason.
QString fileNotOpenedText(const QString& path, const QString& reason);

// A file that could not be read, with the reason (the same in both languages: the system's).
BilingualText fileNotReadText(const QString& path, const QString& reason);

// A script that could not be read on from line on.
BilingualText scriptLineNotReadText(const QString& name, int line, const BilingualText& reason);
