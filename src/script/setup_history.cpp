// SPDX-License-Identifier: MIT
#include "setup_history.h"

#include "script.h"
#include "setup_session.h"

namespace {

// A "now" or "clipboard" line belongs to the action after it: it sets what that action read.
bool setsTheWorld(const QString& line) {
    try {
        const std::optional<ScriptAction> action = parseScriptLine(line);
        return action && (action->kind == ScriptAction::Kind::SetClock ||
                          action->kind == ScriptAction::Kind::SetClipboard);
    } catch (const ScriptError&) {
        return false;
    }
}

// Where the last action of the recording starts.
qsizetype lastActionStart(const QStringList& lines) {
    qsizetype start = lines.size() - 1;
    while (start > 0 && setsTheWorld(lines[start - 1]))
        --start;
    return start;
}

} // namespace

void SetupHistory::forgetUndoneIfChanged(const QStringList& lines) {
    if (lines != replayed_)
        undone_.clear();
}

bool SetupHistory::canUndo() {
    return !session_.recorder().lines().isEmpty();
}

bool SetupHistory::canRedo() {
    forgetUndoneIfChanged(session_.recorder().lines());
    return !undone_.empty();
}

std::optional<ScriptFailure> SetupHistory::undo() {
    QStringList lines = session_.recorder().lines();
    forgetUndoneIfChanged(lines);
    if (lines.isEmpty())
        return std::nullopt;
    const qsizetype start = lastActionStart(lines);
    undone_.push_back(lines.mid(start));
    lines.resize(start);
    return replay(lines);
}

std::optional<ScriptFailure> SetupHistory::redo() {
    if (!canRedo())
        return std::nullopt;
    const QStringList lines = session_.recorder().lines() + undone_.back();
    undone_.pop_back();
    return replay(lines);
}

std::optional<ScriptFailure> SetupHistory::replay(const QStringList& lines) {
    std::optional<ScriptFailure> failure = session_.replay(lines);
    replayed_ = session_.recorder().lines();
    return failure;
}
