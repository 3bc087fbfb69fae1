// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// A program that keeps nothing in a runtime folder still has Qt look for one as it starts, and Qt
// warns on every start where the session has none (root under a bare su, a CI job). Where
// XDG_RUNTIME_DIR is unset, this makes a private, empty one for the life of the object and points
// XDG_RUNTIME_DIR at it, so that the output holds the program's own messages only.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder();
    ~PrivateRuntimeFolder();
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

private:
    QByteArray path_;
};

// The window may be ended at any moment (a signal, the session's end) and would leave a private
// folder behind each time, so it takes the folder Qt itself falls back to, one per user in the
// temporary folder, made beforehand so that Qt has no cause to warn. Where XDG_RUNTIME_DIR is
// unset and that folder is this user's alone (a folder, not a link, mode 0700), XDG_RUNTIME_DIR
// names it; otherwise nothing changes and Qt says what it finds.
void useLastingRuntimeFolder();
