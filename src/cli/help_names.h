// SPDX-License-Identifier: MIT
#pragma once

#include "form/events.h"

#include <QString>

// The names a script uses, as --help lists them: the panel's lines from the top, each after the
// caption at its left, with every control's own caption and what the binding table says of its
// events; the call records under their numbers; then the phone screen's elements that answer a
// click. Wrapped to 80 terminal columns.
QString helpNames(const WindowDefinition& window);

// The columns a text takes on a terminal: the CJK ideographs and full-width forms take two.
int terminalColumns(QStringView text);
