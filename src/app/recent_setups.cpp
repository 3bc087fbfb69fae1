// SPDX-License-Identifier: MIT
#include "recent_setups.h"

#include "basic/services.h"

#include <QDir>
#include <QFileInfo>

RecentSetups::RecentSetups(Settings& settings, const Locations& locations)
    : settings_(settings), locations_(locations) {}

QStringList RecentSetups::files() const {
    QStringList files = settings_.recentSetups();
    files.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); });
    return files.mid(0, Kept);
}

void RecentSetups::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == lastSessionPath(locations_))
        return;
    QStringList files = settings_.recentSetups();
    files.removeAll(absolute);
    files.prepend(absolute);
    settings_.setRecentSetups(files.mid(0, Kept));
}

QString RecentSetups::lastSessionPath(const Locations& locations) {
    const QString folder = locations.dataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("last-session.vks"));
}
