// SPDX-License-Identifier: MIT
// The headers of the test programs, parsed once per build. Not QTest: Qt gives each test program a
// macro of its own folder that QTest reads, and a precompiled header is taken only where the macros
// it read are the same.
#pragma once

#include "widgets.h"

#include <QTemporaryDir>
