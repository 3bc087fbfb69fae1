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
