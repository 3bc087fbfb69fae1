// SPDX-License-Identifier: MIT
#include "system_locations.h"

#include <QDir>
#include <QStandardPaths>

QString SystemLocations::dataFolder() const {
    // Without a home or a data folder named absolutely, the data folder would be made up: under
    // the root for an unset HOME.
    if (!QDir::isAbsolutePath(qEnvironmentVariable("XDG_DATA_HOME")) &&
        !QDir::isAbsolutePath(qEnvironmentVariable("HOME")))
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString SystemLocations::runtimeFolder() const {
    // Qt makes the runtime folder itself only for this user, and refuses one that others can read.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}
