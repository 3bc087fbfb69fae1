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
