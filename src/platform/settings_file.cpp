// SPDX-License-Identifier: MIT
#include "settings_file.h"

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <utility>

namespace {

// Who hears of the first settings file left unread; nobody once told.
std::function<void(const QString&)>& refusalListener() {
    static std::function<void(const QString&)> listener;
    return listener;
}

// Why the file at the name is not to be read; empty when it is, or when there is none yet. Looked
// at without following a link or opening anything, which a FIFO would answer by waiting.
QString refusal(const QString& file) {
    struct stat status;
    if (::lstat(QFile::encodeName(file).constData(), &status) != 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("it is not a regular file");
    if (status.st_size > SettingsFile::MostBytes)
        return QStringLiteral("it is larger than 1 MiB");
    return {};
}

} // namespace

QString SettingsFile::path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vokarelo/Vokarelo.conf");
}

std::optional<QSettings> SettingsFile::open() {
    const QString file = path();
    if (const QString why = refusal(file); !why.isEmpty()) {
        if (const auto tell = std::exchange(refusalListener(), nullptr))
            tell(QStringLiteral("vokarelo: leaving the settings file \"%1\" alone: %2; the program "
                                "runs with its defaults and keeps no settings")
                     .arg(file, why));
        return std::nullopt;
    }
    // Given the path itself, the one it would find on its own, so that it reads no other file.
    return std::optional<QSettings>(std::in_place, file, QSettings::IniFormat);
}

void SettingsFile::tellRefusalTo(std::function<void(const QString& line)> tell) {
    refusalListener() = std::move(tell);
}
