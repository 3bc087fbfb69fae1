// SPDX-License-Identifier: MIT
#pragma once

#include "basic/command_error.h"

#include <QString>

// Whether the message of a failed command gives the error in the platform's words and names the
// field to mend by the label the window shows for it.
inline bool namesErrorAndField(const QString& message, ErrorKind kind, const QString& label) {
    return message.startsWith(errorText(kind)) &&
           message.contains(QStringLiteral("“%1”").arg(label));
}
