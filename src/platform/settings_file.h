// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <optional>

// The program's settings (the folder set-ups were last opened from, the recent set-ups), in one
// file, Vokarelo/Vokarelo.conf in the user's configuration folder, opened here and nowhere else.
class SettingsFile {
public:
    // A settings file larger than this is no file the program wrote: reading it would cost
    // seconds and gigabytes at every start.
    static constexpr qint64 MostBytes = 1 << 20;

    static QString path();
    // The settings, read and written only when the file is a regular file of at most MostBytes or
    // not there yet. A symbolic link at its name is not followed (the settings would be written
    // into its target, or make one where it points), and a FIFO or a device would hold the window
    // for good. None otherwise, and the program goes on without what it would have remembered.
    static std::optional<QSettings> open();
    // Where a settings file left unread is said, once: the first one after this call.
    static void tellRefusalTo(std::function<void(const QString& line)> tell);
};
