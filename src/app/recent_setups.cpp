// SPDX-License-Identifier: MIT
#include "recent_setups.h"

#include "basic/image_file.h"
#include "script/setup_recorder.h"
#include "window/export.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString RecentKey = QStringLiteral("setups/recent");

QSettings settings() {
    return QSettings(QStringLiteral("Vokarelo"), QStringLiteral("Vokarelo"));
}

} // namespace

QStringList RecentSetups::files() const {
    QStringList files = settings().value(RecentKey).toStringList();
    files.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); });
    return files.mid(0, Kept);
}

void RecentSetups::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == lastSessionPath())
        return;
    QStringList files = settings().value(RecentKey).toStringList();
    files.removeAll(absolute);
    files.prepend(absolute);
    settings().setValue(RecentKey, files.mid(0, Kept));
}

QString RecentSetups::lastSessionPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("last-session.vks"));
}

bool RecentSetups::keepSession(SetupRecorder& recorder, QString* error) {
    if (recorder.lines().isEmpty())
        return true;
    const QString path = lastSessionPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("无法建立文件夹%1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    WriteFailure failure;
    if (!saveFileAtomically(recorder.script(QDateTime::currentDateTime()).toUtf8(), path,
                            &failure)) {
        *error = writeFailureReason(failure);
        return false;
    }
    return true;
}
