// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <QString>
#include <optional>

// The program's settings (the folder set-ups were last opened from, the recent set-ups), in one
// file, Vokarelo/Vokarelo.conf in the user's configuration folder, opened here and nowhere else.
class SettingsFile {
public:
    static QString path();
    // The settings, read and written only when the file is a regular file or not there yet: a
    // FIFO or a device in its place would hold the window for good. None otherwise, and the
    // program goes on without what it would have remembered.
    static std::optional<QSettings> open();
};
