// SPDX-License-Identifier: MIT
#include "stored_settings.h"

#include "settings_file.h"

namespace {

const QString FolderKey = QStringLiteral("setups/folder");
const QString RecentKey = QStringLiteral("setups/recent");
// When the session ended and why it was not kept, a list of the two.
const QString UnkeptKey = QStringLiteral("session/notKept");

QVariant stored(const QString& key) {
    const std::optional<QSettings> settings = SettingsFile::open();
    return settings ? settings->value(key) : QVariant();
}

void store(const QString& key, const QVariant& value) {
    if (std::optional<QSettings> settings = SettingsFile::open())
        settings->setValue(key, value);
}

} // namespace

QString StoredSettings::lastSetupFolder() const {
    return stored(FolderKey).toString();
}

void StoredSettings::setLastSetupFolder(const QString& folder) {
    store(FolderKey, folder);
}

QStringList StoredSettings::recentSetups() const {
    return stored(RecentKey).toStringList();
}

void StoredSettings::setRecentSetups(const QStringList& paths) {
    store(RecentKey, paths);
}

std::optional<UnkeptSession> StoredSettings::unkeptSession() const {
    const QStringList record = stored(UnkeptKey).toStringList();
    if (record.size() != 2)
        return std::nullopt;
    return UnkeptSession{record[0], record[1]};
}

bool StoredSettings::setUnkeptSession(const UnkeptSession& session) {
    std::optional<QSettings> settings = SettingsFile::open();
    if (!settings)
        return false;
    settings->setValue(UnkeptKey, QStringList{session.endedAt, session.reason});
    settings->sync();
    return settings->status() == QSettings::NoError;
}

void StoredSettings::forgetUnkeptSession() {
    // Only a record there is removed: removing nothing would write a settings file where none was.
    if (std::optional<QSettings> settings = SettingsFile::open();
        settings && settings->contains(UnkeptKey))
        settings->remove(UnkeptKey);
}
