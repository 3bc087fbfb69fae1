// SPDX-License-Identifier: MIT
#include "recent_setups.h"

#include "platform/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString RecentKey = QStringLiteral("setups/recent");

QStringList remembered() {
    const std::optional<QSettings> settings = SettingsFile::open();
    return settings ? settings->value(RecentKey).toStringList() : QStringList();
}

} // namespace

QStringList RecentSetups::files() const {
    QStringList files = remembered();
    files.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); });
    return files.mid(0, Kept);
}

void RecentSetups::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == lastSessionPath())
        return;
    std::optional<QSettings> settings = SettingsFile::open();
    if (!settings)
        return;
    QStringList files = settings->value(RecentKey).toStringList();
    files.removeAll(absolute);
    files.prepend(absolute);
    settings->setValue(RecentKey, files.mid(0, Kept));
}

QString RecentSetups::lastSessionPath() {
    // Without a home or a data folder named absolutely, the data folder would be made up: under
    // the root for an unset HOME.
    if (!QDir::isAbsolutePath(qEnvironmentVariable("XDG_DATA_HOME")) &&
        !QDir::isAbsolutePath(qEnvironmentVariable("HOME")))
        return {};
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("last-session.vks"));
}
