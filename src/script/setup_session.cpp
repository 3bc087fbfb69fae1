#include "setup_session.h"

#include "basic/command_error.h"
#include "basic/image_file.h"
#include "window/export.h"
#include "window/window_definition.h"

#include <QBuffer>
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
    // Whatever ends the run, the recording then counts as saved.
    const auto opened = qScopeGuard([this] { recorder_.markSaved(); });
    return runOnFreshForm(script, std::move(keepGoing));
}

std::optional<ScriptFailure> SetupSession::replay(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + '\n';
    QBuffer script(&text);
    script.open(QIODevice::ReadOnly);
    return runOnFreshForm(script, {});
}

std::optional<ScriptFailure> SetupSession::runOnFreshForm(QIODevice& script,
                                                          std::function<bool()> keepGoing) {
    // Whatever ends the run, the window is the user's again afterwards: the system's clock and
    // clipboard, and errors in message boxes.
    platform_.beginScript();
    const auto scriptEnds = qScopeGuard([this] {
        lines_.keepGoing = nullptr;
        platform_.endScript();
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
