// SPDX-License-Identifier: MIT
#include "settings_file.h"

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>

QString SettingsFile::path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vokarelo/Vokarelo.conf");
}

std::optional<QSettings> SettingsFile::open() {
    const QString file = path();
    struct stat status;
    if (::stat(QFile::encodeName(file).constData(), &status) == 0 ? !S_ISREG(status.st_mode)
                                                                  : errno != ENOENT)
        return std::nullopt;
    // Given the path itself, the one it would find on its own, so that it reads no other file.
    return std::optional<QSettings>(std::in_place, file, QSettings::IniFormat);
}
