// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "script/line_runner.h"
#include "script/script_world.h"
#include "setup_history.h"

#include <QDateTime>
#include <QStringList>
#include <array>
#include <functional>

// Keeps what the user does in the window as the lines of a script that makes the same picture, and
// as the steps of the window's undo history: the user's actions pass through it on their way to the
// form. A typed text becomes a line when it is final (the field loses the focus, a command runs,
// the set-up is saved); a command that read the clock or the clipboard's text is preceded by what
// it read. The export on demand and the exit leave no line, and neither does an action that changed
// nothing. Every action that changed the window is a step that undo can take back.
class SetupRecorder final : public UserActions {
public:
    SetupRecorder(Form& form, ScriptWorld& world);

    void type(ControlId field, const QString& text) override;
    void click(ControlId control) override;
    void click(ElementId element) override;
    void dblClick(ControlId field) override;
    void timerTick() override;

    // Records the fields whose text changed since they were last recorded, each a step.
    void commitTyping();
    // The action that runs met an error: it is recorded as one that may fail, if it changed
    // anything, so that a replay goes on past it as the window did.
    void errorMet() override { errorMet_ = true; }
    // Forgets every line and step: the form has just been started again. What counts as saved
    // stays.
    void restart();

    // The recorded lines; typing that is not yet committed is not among them.
    const QStringList& lines() const { return history_.recording().lines; }
    // The set-up as a file holds it: a comment saying when it was saved, then the lines.
    QString script(const QDateTime& savedAt) const;
    // Whether the user did something that no saved or opened set-up holds, typing included.
    bool hasUnsavedActions() const;
    // Commits the typing, and counts what is recorded then as saved.
    void markSaved();
    // The characters of the lines recorded so far.
    qsizetype recordedCharacters() const { return history_.recording().mark.characters; }

    // Undo and redo commit the typing first, so that it is the last step.
    bool canUndo() const { return history_.canUndo() || hasPendingTyping(); }
    bool canRedo() const { return history_.canRedo() && !hasPendingTyping(); }
    void undo();
    void redo();

private:
    // The line joins the lines of the step being taken; mark is where the recording will be after
    // them.
    void append(QStringList& lines, RecordingMark& mark, const QString& line);
    void record(ScriptAction action, const std::function<void()>& run);
    // The step of a recorded action, once its event has ended.
    void recordEnded(ScriptAction action, const FormState& before, bool timerWasRunning);
    // Runs an event that a set-up does not record; what it changes is a step without a line.
    void runUnrecorded(const std::function<void()>& run);
    void recordTexts();
    bool hasPendingTyping() const;
    // Whether the action that ran started the timer, whose tick then belongs to its step.
    bool startedTimer(bool timerWasRunning) const;

    Form& form_;
    ScriptWorld& world_;
    SetupHistory history_{form_};
    quint64 savedSerial_ = 0;
    quint64 lastSerial_ = 0;
    // The fields typed into since the last commit, first typed first, so that their lines keep the
    // order of the typing.
    QList<ControlId> typedFields_;
    // Each field's text as the recording leaves it.
    std::array<QString, ControlCount> recordedTexts_;
    bool errorMet_ = false;
};
