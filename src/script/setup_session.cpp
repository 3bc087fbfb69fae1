#include "setup_session.h"

#include "basic/command_error.h"
#include "basic/image_file.h"
#include "window/export.h"

#include <QBuffer>

SetupSession::SetupSession(Form& form, SetupPlatform& platform)
    : form_(form), platform_(platform), recorder_(form, platform),
      lines_(form, recorder_, platform) {
    form_.reportError = [this](const CommandError& error) {
        recorder_.noteError();
        if (running_)
            lines_.commandFailed(error);
        else
            platform_.showMessage(error.message(), QStringLiteral("Vokarelo"));
    };
    form_.exportFailed = [this](const QString& path, const QString& reason) {
        if (running_)
            lines_.exportFailed(path, reason);
    };
    form_.start();
    recorder_.restart();
}

std::optional<ScriptFailure> SetupSession::open(QIODevice& script,
                                                std::function<bool()> keepGoing) {
    std::optional<ScriptFailure> failure = runOnFreshForm(script, std::move(keepGoing));
    recorder_.markSaved();
    return failure;
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
    platform_.beginScript();
    form_.restart();
    recorder_.restart();
    running_ = true;
    lines_.keepGoing = std::move(keepGoing);
    std::optional<ScriptFailure> failure = lines_.run(script);
    lines_.keepGoing = nullptr;
    running_ = false;
    platform_.endScript();
    return failure;
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
