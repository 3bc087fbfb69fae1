// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "script.h"
#include "script_world.h"

#include <QDateTime>
#include <QIODevice>
#include <functional>
#include <optional>

class CommandError;

// The line that stopped a script, and why.
struct ScriptFailure {
    int line;         // counted from 1
    QString lineText; // empty when the line was not read whole
    ScriptText message;
    bool unreadable; // the script could not be read from this line on
};

enum class ScriptLanguage { English, Chinese };

// The failure as the user reads it: "NAME:LINE: LINE TEXT: ERROR", or that NAME could not be read;
// in Chinese for the window.
QString failureText(const QString& scriptName, const ScriptFailure& failure,
                    ScriptLanguage language = ScriptLanguage::English);

// What a user does to the window, and a script line does in the user's place.
class UserActions {
public:
    virtual void type(ControlId field, const QString& text) = 0;
    virtual void click(ControlId control) = 0;
    virtual void click(ElementId element) = 0;
    virtual void dblClick(ControlId field) = 0;
    // The window's timer ticked: not the user's doing, but part of what the user's last action
    // started.
    virtual void timerTick() = 0;
    // The action that runs met an error.
    virtual void errorMet() {}

protected:
    ~UserActions() = default;
};

// The user's actions straight on the form, with nobody keeping track of them.
class FormActions final : public UserActions {
public:
    explicit FormActions(Form& form) : form_(form) {}
    void type(ControlId field, const QString& text) override { form_.type(field, text); }
    void click(ControlId control) override { form_.click(control); }
    void click(ElementId element) override { form_.click(element); }
    void dblClick(ControlId field) override { form_.dblClick(field); }
    void timerTick() override { form_.timerTick(); }

private:
    Form& form_;
};

// What a run does beyond the lines themselves, for whoever runs it.
struct RunOptions {
    // Receives the error of a "try" line, which does not stop the run.
    std::function<void(int line, const QString& text)> errorTolerated;
    // The file a "save" line writes, from the name it gives; it throws ScriptError to refuse the
    // line. Unset, the name is taken as it is, relative to the current folder.
    std::function<QString(const QString& name)> savePath;
    // Told of every picture a "save" line or an export wrote.
    std::function<void(const QString& path)> pictureSaved;
    // Told of every export's outcome, written or not, before the run goes on or fails its line.
    std::function<void(const ExportOutcome& outcome)> exportFinished;
    // Asked of a picture that was not written whether the user declined it; true skips the write,
    // which the run reports itself, instead of failing the line. Unset, every failure fails it.
    std::function<bool(const QString& path)> skipDeclined;
    // Asked after each line whether to go on; a run told to stop fails at the line it stopped
    // after, which stays done. Unset, a run goes on to its end.
    std::function<bool()> keepGoing;
};

// Runs the lines of scripts on a form, one at a time: the script mode's runs and the set-ups the
// window opens share it, so that a script does the same in both. While it runs it is the form's
// observer: an error or a failed export fails the line that ran into it, a command that asks for
// the program to end ends the run instead, and what it does not take goes to the observer outside.
class LineRunner final : private FormObserver {
public:
    LineRunner(Form& form, UserActions& actions, ScriptWorld& world);
    LineRunner(const LineRunner&) = delete;
    LineRunner& operator=(const LineRunner&) = delete;

    // Runs the lines of a UTF-8 script in order, each as it is read. The first line that fails
    // stops the run, and what the lines before it did stays done; the exit button ends it without
    // failure. The pictures it wrote are on the disk when it returns; a run that could not make
    // them so fails, at its last line when nothing else failed.
    std::optional<ScriptFailure> run(QIODevice& script, const RunOptions& options = {});
    // The same as a task, for a form whose services may keep a line waiting (the window's export
    // pauses): each line starts once what the line before it set off has ended.
    Task<std::optional<ScriptFailure>> start(QIODevice& script, RunOptions options);
    // The line being run, counted from 1.
    int lineNumber() const { return lineNumber_; }
    // Whether a run is under way.
    bool running() const { return options_ != nullptr; }

private:
    void commandFailed(const CommandError& error) override;
    void exportFinished(const ExportOutcome& outcome) override;
    void copied() override { outside_->copied(); }
    void quitAsked() override { quitAsked_ = true; }
    Task<std::optional<ScriptFailure>> runLines(QIODevice& script, const RunOptions& options);
    void perform(const ScriptAction& action, const RunOptions& options);
    // Where a "save" line writes, and the write itself: the picture the capture takes.
    static QString savePath(const ScriptAction& action, const RunOptions& options);
    void savePicture(const QString& path, const RunOptions& options);
    // What fails the line once all it set off has ended: the first error it met, unless the line
    // may fail, which hands the error on and goes on.
    std::optional<ScriptText> lineError(const ScriptAction& action, const RunOptions& options);

    Form& form_;
    UserActions& actions_;
    ScriptWorld& world_;
    int lineNumber_ = 0;
    bool quitAsked_ = false;
    // While a run is under way: its options, and the form's own observer.
    const RunOptions* options_ = nullptr;
    FormObserver* outside_ = nullptr;
    // The first error a command of the current line ran into, described.
    std::optional<ScriptText> commandError_;
};
