// SPDX-License-Identifier: MIT
#pragma once

#include "basic/file_store.h"

#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>

// A set-up is a document people pass around: the window opens it only when it is a regular file,
// and its "save" lines write only pictures, from the set-up's own folder, asking first before a
// run writes over a file or outside that folder.

// Opens path for reading when it is a regular file, without ever waiting on it: a FIFO, a device,
// a pipe, a socket or a folder is refused. Returns the reason in the window's words, empty when
// the file is open.
QString openRegularFile(const QString& path, QFile& file);

// The rules for the "save" lines of a set-up run in the window.
class SetupFolder {
public:
    SetupFolder(const QString& folder, FileStore& files);

    const QString& path() const { return folder_; }
    // The file a "save" line writes: its name resolved against the set-up's folder. A name that
    // is not a picture's (.jpg, .jpeg, .png) throws ScriptError.
    QString resolve(const QString& name) const;
    // Whether writing path needs the user's word first: something is there already, or it lies
    // outside the set-up's folder.
    bool needsConsent(const QString& path) const;

private:
    QString folder_;
    QString canonicalFolder_;
    FileStore& files_;
};

// The files a set-up's "save" lines would write, read from the script up to the first line that
// would stop a run: how many, and those that need the user's word, the first ListedWrites of them
// by path.
struct PlannedWrites {
    static constexpr qsizetype ListedWrites = 20;
    // A run may write as many files as this without asking; more need the user's word.
    static constexpr qsizetype MostWritesUnasked = 20;
    QStringList listed;
    qsizetype count = 0; // needing the user's word
    qsizetype total = 0; // every file, new or replaced
    bool needAsking() const { return count > 0 || total > MostWritesUnasked; }
};

// Reads the whole script; keepGoing, when given, is asked now and then whether to go on, and a
// scan told to stop returns what it found so far with stopped set.
PlannedWrites writesNeedingConsent(QIODevice& script, const SetupFolder& folder,
                                   const std::function<bool()>& keepGoing, bool* stopped);

// The question the window asks before such a run, listing what it will write, each path shortened
// to a line, and how many files it writes into the set-up's folder when they are more than a run
// writes unasked.
QString consentQuestion(const QString& setupName, const SetupFolder& folder,
                        const PlannedWrites& writes);
