// SPDX-License-Identifier: MIT
#include "batch_runner.h"

#include "window/window_definition.h"

BatchRunner::BatchRunner(FileStore& files, qreal pixelRatio, MessageShown messageShown)
    : messageShown_(std::move(messageShown)), screen_(pixelRatio),
      form_({world_.clock(), world_.clipboard(), files, timer_, screen_}, windowDefinition(),
            *this) {
    // The whole run is a script: its clock and clipboard are the script's from the start.
    world_.beginScript();
    form_.start();
}

std::optional<ScriptFailure> BatchRunner::run(QIODevice& script) {
    RunOptions options;
    options.errorTolerated = messageShown_;
    options.pictureSaved = [this](const QString&) { wrotePicture_ = true; };
    return lines_.run(script, options);
}

void BatchRunner::commandFailed(const CommandError& error) {
    lines_.commandFailed(error);
}

void BatchRunner::exportFinished(const ExportOutcome& outcome) {
    if (messageShown_)
        messageShown_(lines_.lineNumber(), outcome.message);
    if (outcome.saved())
        wrotePicture_ = true;
    else
        lines_.exportFailed(outcome.path, outcome.failure);
}
