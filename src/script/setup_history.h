// SPDX-License-Identifier: MIT
#pragma once

#include "line_runner.h"

#include <QStringList>
#include <optional>
#include <vector>

class SetupSession;

// Undo and redo over the recorded set-up: the recording is the history. Undoing starts the window
// again and replays the recording without its last action, so that what is left is exactly what
// the remaining lines make, clock and clipboard included; the undone action leaves the recording
// and comes back with redo until the user does something new.
class SetupHistory {
public:
    explicit SetupHistory(SetupSession& session) : session_(session) {}

    bool canUndo();
    bool canRedo();
    // Each does nothing when there is nothing to undo or redo. A replay that fails (it should not:
    // the lines are the window's own) says where; what the lines before it did stays done.
    std::optional<ScriptFailure> undo();
    std::optional<ScriptFailure> redo();

private:
    std::optional<ScriptFailure> replay(const QStringList& lines);
    // Forgets the undone actions once the recording has moved on without them.
    void forgetUndoneIfChanged(const QStringList& lines);

    SetupSession& session_;
    // The undone actions, each with the clock and clipboard lines it needs; the last undone last.
    std::vector<QStringList> undone_;
    // The recording as the last undo or redo left it.
    QStringList replayed_;
};
