// SPDX-License-Identifier: MIT
#pragma once

#include "form/form_change.h"

#include <QDateTime>
#include <QStringList>
#include <QUndoStack>
#include <optional>

class Form;

// What the next line of a recording depends on, beside the lines themselves.
struct RecordingMark {
    qsizetype characters = 0; // of the lines, each with its line break
    // What the last "now" and "clipboard" lines set; a command that read the same needs no line.
    std::optional<QDateTime> lastMoment;
    std::optional<QString> lastClipboardText;
    // Changes with every line recorded and comes back with undo and redo: the recording is the one
    // saved exactly when its serial is the saved one's.
    quint64 serial = 0;
};

// The lines a window's set-up has recorded so far.
struct RecordedLines {
    QStringList lines;
    RecordingMark mark;
};

// One step of the history: what an event changed in the window, and the lines it added to the
// recording (none for an event a set-up does not record).
struct RecordedStep {
    FormChange change;
    QStringList lines;
    RecordingMark before;
    RecordingMark after;
};

// Undo and redo over saved states of the window: each event that changed the window is one step
// holding what it changed, so that undo and redo set the window back or forward without running a
// command again, touching the disk or the clipboard, and cost the same however long the session.
// The history holds the recording: a step's lines join it when the step is done and leave it when
// it is undone, until a new step forgets the undone ones. The oldest steps are dropped beyond
// MostSteps.
class SetupHistory {
public:
    static constexpr int MostSteps = 1000;

    explicit SetupHistory(Form& form);

    const RecordedLines& recording() const { return recording_; }

    bool canUndo() const { return steps_.canUndo(); }
    bool canRedo() const { return steps_.canRedo(); }
    void undo() { steps_.undo(); }
    void redo() { steps_.redo(); }

    // A step the window has just taken: its lines join the recording. waitsForTimer when it left
    // the window's timer running, whose tick then belongs to it.
    void push(RecordedStep step, bool waitsForTimer);
    // The timer's tick changed the window: part of the step that started it when that is the
    // last, else a step of its own.
    void pushTimerTick(FormChange change);
    // Forgets every step and line: the window has just been started again. serial marks the empty
    // recording.
    void restart(quint64 serial);

private:
    Form& form_;
    RecordedLines recording_;
    QUndoStack steps_;
};
