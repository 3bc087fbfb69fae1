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

// The user's pictures folder where an installed program exports, from the pictures folder and the
// home folder as the environment gives them: only when the pictures folder is an absolute path
// inside the home folder, itself absolute, not the root, and there. Empty otherwise, so that an odd
// environment (no HOME, a relative or empty pictures folder) sends no picture to the root or the
// working folder.
QString picturesFolderInHome(const QString& pictures, const QString& home);
