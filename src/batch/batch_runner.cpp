// SPDX-License-Identifier: MIT
#include "batch_runner.h"

#include "basic/command_error.h"
#include "window/window_definition.h"

BatchRunner::BatchRunner(Clock& clock, FileStore& files, ExportLocations& locations,
                         qreal pixelRatio, MessageShown messageShown)
    : messageShown_(std::move(messageShown)), screen_(pixelRatio), world_(clock, clipboard_),
      form_({world_.clock(), world_.clipboard(), files, locations, timer_, screen_},
            windowDefinition(), *this) {
    // The whole run is a script: its clock and clipboard are the script's from the start.
    world_.beginScript();
    form_.start();
}

std::optional<ScriptFailure> BatchRunner::run(QIODevice& script) {
    RunOptions options;
    options.errorTolerated = messageShown_;
    options.pictureSaved = [this](const QString&) { wrotePicture_ = true; };
    options.exportFinished = [this](const ExportOutcome& outcome) {
        if (messageShown_)
            messageShown_(lines_.lineNumber(), outcome.message);
    };
    return lines_.run(script, options);
}

// Outside a run the window only starts, which the program's own definition makes sure of: an
// error then is the program's fault, and shows as every message of the window does.
void BatchRunner::commandFailed(const CommandError& error) {
    if (messageShown_)
        messageShown_(0, error.message());
}

void BatchRunner::exportFinished(const ExportOutcome& outcome) {
    if (messageShown_)
        messageShown_(0, outcome.message);
}
