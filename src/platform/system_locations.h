// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

// The user's folders as the XDG base directories name them, through Qt.
class SystemLocations final : public Locations {
public:
    QString dataFolder() const override;
    QString runtimeFolder() const override;
};
