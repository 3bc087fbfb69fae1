// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "run_writes.h"
#include "script/line_runner.h"
#include "script/script_world.h"
#include "setup_recorder.h"

#include <QDateTime>
#include <QIODevice>
#include <QStringList>
#include <functional>
#include <optional>

class SetupFolder;
struct PlannedWrites;

// What a set-up's run in the window wrote and met, for the one message at its end.
struct SetupRunReport {
    static constexpr qsizetype ListedPictures = 20;
    qsizetype picturesWritten = 0;
    QStringList pictures; // the first ListedPictures written, by path
    // Pictures the user declined to have written: skipped, the run went on.
    qsizetype picturesDeclined = 0;
    QStringList declined; // the first ListedPictures of them, by path
    QString firstError;   // the first error the run went on past, with its line; empty if none
    std::optional<ScriptFailure> failure; // the line that stopped the run
    // The run's last capture did not reach the clipboard (a Wayland compositor gives it only to a
    // window that has had input): what the user would paste is not the picture.
    bool captureOffClipboard = false;
};

// The one message at the end of a run of the set-up named setupName: how many pictures it wrote and
// which, the first error, and where it stopped; empty when there is nothing to tell.
QString runSummary(const QString& setupName, const SetupRunReport& report);

// Everything behind the window that a user works: its form, the recording of what the user does
// (a set-up that can be saved) with the undo history over it, and the runs of the set-ups the user
// opens, which run as the script mode runs them and are recorded in their turn. It is the form's
// observer: while a set-up runs, an error fails the set-up's line and an export's outcome goes to
// the run's report; otherwise both are the user's to read, as messages.
class WindowModel final : private FormObserver {
public:
    // Makes the window's form on the services outside, the clock and the clipboard as a set-up's
    // script sees them, and starts it as the program starts the window.
    WindowModel(const Services& outside, Messages& messages);
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    // Where the window sends the user's actions: the recording of them, and its undo history.
    UserActions& actions() { return recorder_; }
    SetupRecorder& recorder() { return recorder_; }
    // What the user typed is final: it becomes a line and a step.
    void commitTyping() { recorder_.commitTyping(); }

    bool canUndo() const { return recorder_.canUndo(); }
    bool canRedo() const { return recorder_.canRedo(); }
    void undo() { recorder_.undo(); }
    void redo() { recorder_.redo(); }

    // Starts the window again as the program starts it and runs the script on it, a line at a
    // time; the first line that fails stops the run and what the lines before it did stays done.
    // The recording then holds what the script did, and counts as saved. keepGoing, when given, is
    // asked after each line whether to go on.
    std::optional<ScriptFailure> open(QIODevice& script, std::function<bool()> keepGoing = {});
    // Opens the set-up document named name the same way: its "save" lines follow folder's rules,
    // and one that needs the user's word is written only when the user agreed to the writes
    // planned before the run (agreedTo; none when the user was not asked). An export that would
    // replace a file, and a run's writing more files than it may unasked, ask the user then, once
    // for the run. The run shows no other message; the report holds what it would have said.
    SetupRunReport openDocument(QIODevice& script, const QString& name, const SetupFolder& folder,
                                const PlannedWrites* agreedTo,
                                std::function<bool()> keepGoing = {});
    // The same as a task, for the window, whose export pauses keep a line waiting: the report
    // comes when the run has ended. The script, the folder and what was agreed to must outlive it.
    Task<SetupRunReport> startDocument(QIODevice& script, QString name, const SetupFolder& folder,
                                       const PlannedWrites* agreedTo,
                                       std::function<bool()> keepGoing = {});

    // The most a run may leave in the recording, in characters: a longer run stops, so that no
    // set-up can fill the memory however long it is.
    static constexpr qsizetype MaxRecordingCharacters = 16 * 1024 * 1024;

    // Writes the recording to path as a set-up, replacing a file only by a complete one, and
    // counts it as saved; on failure says why in error.
    bool save(const QString& path, const QDateTime& savedAt, QString* error);
    // Writes the recording to path the same way, for the next start, without counting it as
    // saved; a session that recorded nothing writes nothing and succeeds, and so does one that is
    // only part of a run of the set-up at path itself (reopening the last session and stopping it
    // part-way must not shorten it).
    bool keepSession(const QString& path, const QDateTime& savedAt, QString* error);
    // The program is ending: a run stops after the line it is on, and none runs past its first
    // line from now on.
    void endRuns() { runsEnded_ = true; }
    // Whether the user did something that no saved or opened set-up holds.
    bool hasUnsavedActions() const { return recorder_.hasUnsavedActions(); }

    // How often the window's picture has been handed over for real: captured for the clipboard
    // (whether or not the clipboard took it; the form says which), saved by the export. Undo and
    // redo bring a state back without handing anything over.
    struct HandedOver {
        quint64 copies = 0;
        quint64 saves = 0;
        bool operator==(const HandedOver&) const = default;
    };
    HandedOver handedOver() const { return handedOver_; }
    // Whether a command asked for the program to end while no set-up ran.
    bool quitRequested() const { return quitRequested_; }
    // The request, now answered: the program ends or goes on.
    bool takeQuitRequest() { return std::exchange(quitRequested_, false); }

private:
    void commandFailed(const CommandError& error) override;
    void exportFinished(const ExportOutcome& outcome) override;
    void copied() override;
    void quitAsked() override;

    // A document's run: its name, its folder and what the user agreed to.
    struct Document {
        QString name;
        const SetupFolder& folder;
        const PlannedWrites* agreedTo;
    };
    Task<SetupRunReport> run(QIODevice& script, std::function<bool()> keepGoing,
                             std::optional<Document> document);
    bool writeSetup(const QString& path, const QDateTime& savedAt, QString* error);
    // A picture of the running set-up that was not written: skipped and reported when the user
    // declined it; false otherwise.
    bool skipDeclined(const QString& path);

    Messages& messages_;
    ScriptWorld world_;
    RunWrites files_;
    Form form_;
    SetupRecorder recorder_;
    LineRunner lines_;
    HandedOver handedOver_;
    bool quitRequested_ = false;
    bool runsEnded_ = false;
    // The set-up whose run is under way, or stopped before its end with nothing done since: the
    // recording holds only part of it, and must not replace it as the session kept.
    QString partlyRun_;
    // What the running set-up's run has written and met.
    SetupRunReport report_;
};
