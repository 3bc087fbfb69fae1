// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class Locations;
class Settings;

// The set-ups the window remembers: the last few opened or saved, newest first, kept in the
// program's settings, and the set-up of the session that ended last, kept in the user's data
// folder whatever the user did with it.
class RecentSetups {
public:
    static constexpr int Kept = 8;

    RecentSetups(Settings& settings, const Locations& locations);

    // The remembered files that are still there.
    QStringList files() const;
    void add(const QString& path);

    // Where the last session's set-up is kept; empty when the user has no data folder.
    static QString lastSessionPath(const Locations& locations);
    QString lastSessionPath() const { return lastSessionPath(locations_); }

private:
    Settings& settings_;
    const Locations& locations_;
};
