// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

// The system's clock, and the user's regional settings.
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QLocale locale() const override { return QLocale::system(); }
};
