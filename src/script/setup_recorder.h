// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "line_runner.h"
#include "setup_platform.h"

#include <QDateTime>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// Keeps what the user does in the window as the lines of a script that makes the same picture: the
// user's actions pass through it on their way to the form. A typed text becomes a line when it is
// final (the field loses the focus, a command runs, the set-up is saved); a command that read the
// clock or the clipboard's text is preceded by what it read. The export on demand and the exit
// leave no line, and neither does an action that changed nothing.
class SetupRecorder final : public UserActions {
public:
    SetupRecorder(Form& form, SetupPlatform& platform);

    void type(ControlId field, const QString& text) override;
    void click(ControlId control) override;
    void click(ElementId element) override;
    void dblClick(ControlId field) override;

    // Records the fields whose text changed since they were last recorded.
    void commitTyping();
    // The action that runs met an error: it is recorded as one that may fail, if it changed
    // anything, so that a replay goes on past it as the window did.
    void noteError() { errorMet_ = true; }
    // Forgets every line: the form has just been started again. What counts as saved stays.
    void restart();

    // The recorded lines, typing included.
    QStringList lines();
    // The set-up as a file holds it: a comment saying when it was saved, then the lines.
    QString script(const QDateTime& savedAt);
    // Whether the user did something that no saved or opened set-up holds.
    bool hasUnsavedActions() const;
    void markSaved();
    // The characters of the lines recorded so far, typing not yet committed left out.
    qsizetype recordedCharacters() const { return recordedCharacters_; }

private:
    void append(const QString& line);
    void record(ScriptAction action, const std::function<void()>& run);
    void recordTexts();

    Form& form_;
    SetupPlatform& platform_;
    QStringList lines_;
    qsizetype recordedCharacters_ = 0;
    // The lines of the set-up last saved or opened.
    QStringList savedLines_;
    // The fields typed into since the last commit, first typed first, so that their lines keep the
    // order of the typing.
    QList<ControlId> typedFields_;
    // Each field's text as the recording leaves it.
    std::array<QString, ControlCount> recordedTexts_;
    // What the last "now" and "clipboard" lines set; a command that read the same needs no line.
    std::optional<QDateTime> lastMoment_;
    std::optional<QString> lastClipboardText_;
    bool errorMet_ = false;
};
