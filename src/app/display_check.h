// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// The window needs a display: without one Qt's platform aborts the program. These say so in a
// sentence that points to the script mode, and end the program with ExitScriptFailed instead.

// Whether the window has a display to go to, judged from the arguments Qt will read and the
// environment: the X11 and Wayland platforms need one named, others (offscreen, vnc, ...) do not.
// Without one, prints the sentence on standard error and returns false.
bool displayNamed(const QStringList& arguments);

// For the life of the object, a display that is named but cannot be reached ends the program
// with the same sentence, after Qt's own warnings, instead of Qt's abort.
class UnreachableDisplayExit {
public:
    UnreachableDisplayExit();
    ~UnreachableDisplayExit();
    UnreachableDisplayExit(const UnreachableDisplayExit&) = delete;
    UnreachableDisplayExit& operator=(const UnreachableDisplayExit&) = delete;
};
