// SPDX-License-Identifier: MIT
#include "batch_runner.h"

#include "window/window_definition.h"

BatchRunner::BatchRunner(const ProgramFolder& programFolder, qreal pixelRatio)
    : platform_(programFolder, pixelRatio), form_(platform_, windowDefinition(), *this) {
    platform_.messageShown = [this](const QString& text) {
        if (messageShown)
            messageShown(lines_.lineNumber(), text);
    };
    lines_.errorTolerated = [this](int line, const QString& text) {
        if (messageShown)
            messageShown(line, text);
    };
    lines_.pictureSaved = [this](const QString&) { wrotePicture_ = true; };
    form_.start();
}

void BatchRunner::commandFailed(const CommandError& error) {
    lines_.commandFailed(error);
}

void BatchRunner::exportFailed(const QString& path, const QString& reason) {
    lines_.exportFailed(path, reason);
}

void BatchRunner::exported(const QString&) {
    wrotePicture_ = true;
}
