// SPDX-License-Identifier: MIT
#include "start_environment.h"

#include <QtGlobal>

namespace {

constexpr const char* BaseFolders[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME",
                                       "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"};
constexpr const char* BaseFolderLists[] = {"XDG_DATA_DIRS", "XDG_CONFIG_DIRS"};

bool absolute(const QByteArray& path) {
    return path.startsWith('/');
}

const QString ScaleRange = QStringLiteral("a scale factor is a number from 0.5 to 4; the window "
                                          "opens at the screen's own scale");

QString quoted(const QByteArray& value) {
    return u'"' + QString::fromLocal8Bit(value) + u'"';
}

} // namespace

void ignoreRelativeBaseDirectories() {
    for (const char* name : BaseFolders)
        if (qEnvironmentVariableIsSet(name) && !absolute(qgetenv(name)))
            qunsetenv(name);
    for (const char* name : BaseFolderLists) {
        if (!qEnvironmentVariableIsSet(name))
            continue;
        const QByteArray folders = qgetenv(name);
        QByteArrayList kept = folders.split(':');
        kept.removeIf([](const QByteArray& folder) { return !absolute(folder); });
        if (kept.isEmpty())
            qunsetenv(name);
        else if (kept.join(':') != folders)
            qputenv(name, kept.join(':'));
    }
}

bool usableScaleFactor(const QByteArray& value) {
    bool ok = false;
    const double factor = value.toDouble(&ok);
    // NaN fails both comparisons, an infinity the second.
    return ok && factor >= 0.5 && factor <= 4;
}

QStringList ignoreUnusableScaleFactors() {
    QStringList said;
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    if (!factor.isEmpty() && !usableScaleFactor(factor)) {
        qunsetenv("QT_SCALE_FACTOR");
        said.append(QStringLiteral("vokarelo: ignoring QT_SCALE_FACTOR=%1: %2")
                        .arg(quoted(factor), ScaleRange));
    }
    const QByteArray screens = qgetenv("QT_SCREEN_SCALE_FACTORS");
    QByteArrayList entries = screens.split(';');
    QStringList ignored;
    for (QByteArray& entry : entries) {
        const QByteArray screenFactor = entry.mid(entry.lastIndexOf('=') + 1);
        if (entry.isEmpty() || usableScaleFactor(screenFactor))
            continue;
        ignored.append(quoted(entry));
        // An empty entry gives no factor but still counts as a place.
        entry.clear();
    }
    if (!ignored.isEmpty()) {
        qputenv("QT_SCREEN_SCALE_FACTORS", entries.join(';'));
        said.append(QStringLiteral("vokarelo: ignoring %1 in QT_SCREEN_SCALE_FACTORS: %2")
                        .arg(ignored.join(QStringLiteral(", ")), ScaleRange));
    }
    return said;
}
