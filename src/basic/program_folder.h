// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The folder that holds the program, where the export writes.
struct ProgramFolder {
    // Without a trailing separator, except for the root; empty when the system cannot say.
    QString path;
    // False when the folder's name on the disk is not UTF-8, the file names' encoding: path then
    // shows it with replacement characters, and written back it would name another folder.
    bool decodable = true;
};

// The folder of the program file at executable, an absolute path in the system's bytes.
ProgramFolder programFolderOf(const QByteArray& executable);

// The folder of the running program, read from the system, not from the command line.
ProgramFolder runningProgramFolder();

// The user's pictures folder, where an installed program exports, as the desktop's user folders
// name it: only when it is an absolute path inside a home folder that HOME names, absolutely, and
// that is there. Empty otherwise, so that an odd environment (no HOME, a relative or empty pictures
// folder) sends no picture to the root or the working folder.
QString userPicturesFolder();

// The rule itself, for a pictures folder and a home folder as the environment gives them.
QString picturesFolderInHome(const QString& pictures, const QString& home);
