#pragma once

#include "form/form.h"
#include "line_runner.h"
#include "setup_platform.h"
#include "setup_recorder.h"

#include <QDateTime>
#include <QIODevice>
#include <functional>
#include <optional>

// The window's set-ups: what the user does is recorded from the start, can be saved as a script,
// and a script opened in the window runs on it as the script mode runs it, recorded in its turn,
// so that saving again gives a script that makes the same picture. It holds the window's form and
// is the form's observer: an error met while a set-up runs fails the set-up's line, any other is
// shown to the user.
class SetupSession final : private FormObserver {
public:
    // Makes the window's form and starts it, as the program starts the window.
    explicit SetupSession(SetupPlatform& platform);
    SetupSession(const SetupSession&) = delete;
    SetupSession& operator=(const SetupSession&) = delete;

    Form& form() { return form_; }
    // Where the window sends the user's actions.
    SetupRecorder& recorder() { return recorder_; }

    // Starts the window again as the program starts it and runs the script on it, a line at a
    // time; the first line that fails stops the run and what the lines before it did stays done.
    // The recording then holds what the script did, and counts as saved. keepGoing, when given, is
    // asked after each line whether to go on.
    std::optional<ScriptFailure> open(QIODevice& script, std::function<bool()> keepGoing = {});

    // Writes the recording to path, replacing a file only by a complete one, and counts it as
    // saved; on failure says why in error.
    bool save(const QString& path, const QDateTime& savedAt, QString* error);

private:
    void commandFailed(const CommandError& error) override;
    void exportFailed(const QString& path, const QString& reason) override;

    SetupPlatform& platform_;
    ErrorMessages messages_;
    Form form_;
    SetupRecorder recorder_;
    LineRunner lines_;
    bool running_ = false;
};
