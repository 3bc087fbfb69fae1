// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

// The settings in the program's settings file (settings_file.h), opened at each call: the program
// holds no copy of them. When the file is left unread, nothing is read and nothing written.
class StoredSettings final : public Settings {
public:
    QString lastSetupFolder() const override;
    void setLastSetupFolder(const QString& folder) override;
    QStringList recentSetups() const override;
    void setRecentSetups(const QStringList& paths) override;
    std::optional<UnkeptSession> unkeptSession() const override;
    bool setUnkeptSession(const UnkeptSession& session) override;
    void forgetUnkeptSession() override;
};
