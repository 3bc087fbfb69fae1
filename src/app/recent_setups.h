// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class SetupRecorder;

// The set-ups the window remembers: the last few opened or saved, newest first, and the set-up of
// the session that ended last, kept in the user's state folder whatever the user did with it.
class RecentSetups {
public:
    static constexpr int Kept = 8;

    // The remembered files that are still there.
    QStringList files() const;
    void add(const QString& path);

    // Where the last session's set-up is kept.
    static QString lastSessionPath();
    // Keeps the session's recording there in place of the one before; a session that recorded
    // nothing leaves the one before, so that starting the program and closing it again loses
    // nothing. Says why in error when it could not be written.
    static bool keepSession(SetupRecorder& recorder, QString* error);
};
