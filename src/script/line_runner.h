// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "script.h"

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

// What a script sets around the window: the clock its commands read and the text its paste buttons
// find; and whether one of its commands asked the program to end.
class ScriptWorld {
public:
    virtual void fixClock(const QDateTime& moment) = 0;
    virtual void putClipboardText(const QString& text) = 0;
    virtual bool quitRequested() const = 0;

protected:
    ~ScriptWorld() = default;
};

// What a user does to the window, and a script line does in the user's place.
class UserActions {
public:
    virtual void type(ControlId field, const QString& text) = 0;
    virtual void click(ControlId control) = 0;
    virtual void click(ElementId element) = 0;
    virtual void dblClick(ControlId field) = 0;

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

private:
    Form& form_;
};

// Runs the lines of scripts on a form, one at a time: the script mode's runs and the set-ups the
// window opens share it, so that a script does the same in both.
class LineRunner {
public:
    LineRunner(Form& form, UserActions& actions, ScriptWorld& world);
    LineRunner(const LineRunner&) = delete;
    LineRunner& operator=(const LineRunner&) = delete;

    // Runs the lines of a UTF-8 script in order, each as it is read. The first line that fails
    // stops the run, and what the lines before it did stays done; the exit button ends it without
    // failure.
    std::optional<ScriptFailure> run(QIODevice& script);
    // The line being run, counted from 1.
    int lineNumber() const { return lineNumber_; }

    // The form's errors and failed exports while a line runs: whoever owns the form's hooks
    // passes them on, and the line fails with the first of them.
    void commandFailed(const CommandError& error);
    void exportFailed(const QString& path, const QString& reason);

    // Receives the error of a "try" line, which does not stop the run.
    std::function<void(int line, const QString& text)> errorTolerated;
    // The file a "save" line writes, from the name it gives; it throws ScriptError to refuse the
    // line. Unset, the name is taken as it is, relative to the current folder.
    std::function<QString(const QString& name)> savePath;
    // Told of every picture a "save" line wrote.
    std::function<void(const QString& path)> pictureSaved;
    // Asked after each line whether to go on; a run told to stop fails at the line it stopped
    // after, which stays done. Unset, a run goes on to its end.
    std::function<bool()> keepGoing;

private:
    void runLine(const QString& line);
    void perform(const ScriptAction& action);

    Form& form_;
    UserActions& actions_;
    ScriptWorld& world_;
    int lineNumber_ = 0;
    // The first error a command of the current line ran into, described.
    std::optional<ScriptText> commandError_;
};
