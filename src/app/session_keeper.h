// SPDX-License-Identifier: MIT
#pragma once

#include "basic/task.h"

#include <QString>

class Clock;
class Locations;
class Messages;
class Settings;
class SetupFiles;
class WindowModel;
struct ShellServices;

// What is kept of a session when the program ends: the window's recording, as a set-up in the
// user's data folder, which the next start offers as 上次退出时的设置. Nothing a user did is lost
// without a word: when the set-up cannot be kept, a user who quits is asked what to do, and an end
// without the user (logout, a signal) leaves the reason for the next start to show.
class SessionKeeper {
public:
    SessionKeeper(WindowModel& model, const ShellServices& services, SetupFiles& files);

    // The user quits: keeps the session; when it cannot be kept, asks whether to save the set-up
    // elsewhere, quit anyway or go back to the window. Whether to quit, once the user has
    // answered.
    Task<bool> keepBeforeQuit();
    // The program ends without the user at the window: keeps the session, or records why it
    // could not for the next start.
    void keepWithoutAsking();
    // Shows, once, why the last session was not kept, when it was not.
    void tellLastFailure();

private:
    // Keeps the session's set-up; on failure says why in error.
    bool keep(QString* error);

    WindowModel& model_;
    Clock& clock_;
    Settings& settings_;
    const Locations& locations_;
    Messages& messages_;
    SetupFiles& files_;
    // The session is kept as it is now, or the user chose to quit without it.
    bool done_ = false;
};
