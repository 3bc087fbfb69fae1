// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "line_runner.h"
#include "setup_platform.h"
#include "setup_recorder.h"

#include <QDateTime>
#include <QIODevice>
#include <QStringList>
#include <functional>
#include <optional>

class SetupFolder;

// What a set-up's run in the window wrote and met, for the one message at its end.
struct SetupRunReport {
    static constexpr qsizetype ListedPictures = 20;
    qsizetype picturesWritten = 0;
    QStringList pictures; // the first ListedPictures written, by path
    QString firstError;   // the first error the run went on past, with its line; empty if none
    std::optional<ScriptFailure> failure; // the line that stopped the run
};

// The one message at the end of a run of the set-up named setupName: how many pictures it wrote and
// which, the first error, and where it stopped; empty when there is nothing to tell.
QString runSummary(const QString& setupName, const SetupRunReport& report);

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
    // Opens a set-up document the same way: its "save" lines follow folder's rules, and one that
    // needs the user's word is written only when consented was given. The run shows no message;
    // the report holds what it would have said.
    SetupRunReport openDocument(QIODevice& script, const SetupFolder& folder, bool consented,
                                std::function<bool()> keepGoing = {});

    // The most a run may leave in the recording, in characters: a longer run stops, so that no
    // set-up can fill the memory however long it is.
    static constexpr qsizetype MaxRecordingCharacters = 16 * 1024 * 1024;

    // Starts the window again and runs the lines on it, as open does, but leaves what counts as
    // saved as it was: undo and redo replay the recording so.
    std::optional<ScriptFailure> replay(const QStringList& lines);

    // Writes the recording to path, replacing a file only by a complete one, and counts it as
    // saved; on failure says why in error. A recording with a line longer than a script may hold
    // is not written: the error names the field whose text made it.
    bool save(const QString& path, const QDateTime& savedAt, QString* error);

    // How often the window's picture has been handed over for real: put on the clipboard, saved by
    // the export. Undo and redo bring a state back without handing anything over.
    struct HandedOver {
        quint64 copies = 0;
        quint64 saves = 0;
        bool operator==(const HandedOver&) const = default;
    };
    HandedOver handedOver() const { return handedOver_; }

private:
    void commandFailed(const CommandError& error) override;
    void exportFailed(const QString& path, const QString& reason) override;
    void exported(const QString& path) override;
    void copied() override;

    SetupRunReport run(QIODevice& script, std::function<bool()> keepGoing,
                       const SetupFolder* folder, bool consented);
    // The field, by its label and name, whose recorded text is longer than a script line may hold.
    std::optional<QString> overlongText();

    SetupPlatform& platform_;
    HandedOver handedOver_;
    ErrorMessages messages_;
    Form form_;
    SetupRecorder recorder_;
    LineRunner lines_;
    bool running_ = false;
    // What the running set-up's run has written and met.
    SetupRunReport report_;
    std::optional<QString> heldMessage_;
};
