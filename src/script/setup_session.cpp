#include "setup_session.h"

#include "basic/command_error.h"
#include "basic/image_file.h"
#include "window/export.h"
#include "window/window_definition.h"

#include <QScopeGuard>
#include <QScopedValueRollback>

SetupSession::SetupSession(SetupPlatform& platform)
    : platform_(platform), messages_(platform), form_(platform, windowDefinition(), *this),
      recorder_(form_, platform), lines_(form_, recorder_, platform) {
    form_.start();
    recorder_.restart();
}

void SetupSession::commandFailed(const CommandError& error) {
    recorder_.noteError();
    if (running_)
        lines_.commandFailed(error);
    else
        messages_.commandFailed(error);
}

void SetupSession::exportFailed(const QString& path, const QString& reason) {
    if (running_)
        lines_.exportFailed(path, reason);
}

std::optional<ScriptFailure> SetupSession::open(QIODevice& script,
                                                std::function<bool()> keepGoing) {
    // Whatever ends the run, the window is the user's again afterwards: the system's clock and
    // clipboard, errors in message boxes, and a recording that counts as saved.
    platform_.beginScript();
    const auto scriptEnds = qScopeGuard([this] {
        lines_.keepGoing = nullptr;
        platform_.endScript();
        recorder_.markSaved();
    });
    form_.restart();
    recorder_.restart();
    const QScopedValueRollback running(running_, true);
    lines_.keepGoing = std::move(keepGoing);
    return lines_.run(script);
}

bool SetupSession::save(const QString& path, const QDateTime& savedAt, QString* error) {
    WriteFailure failure;
    if (!saveFileAtomically(recorder_.script(savedAt).toUtf8(), path, &failure,
                            platform_.fileStore())) {
        *error = writeFailureReason(failure);
        return false;
    }
    recorder_.markSaved();
    return true;
}
