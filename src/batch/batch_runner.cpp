#include "batch_runner.h"

#include "window/window_definition.h"

BatchRunner::BatchRunner(const ProgramFolder& programFolder, qreal pixelRatio)
    : platform_(programFolder, pixelRatio), form_(platform_, windowDefinition()) {
    form_.reportError = [this](const CommandError& error) { lines_.commandFailed(error); };
    form_.exportFailed = [this](const QString& path, const QString& reason) {
        lines_.exportFailed(path, reason);
    };
    platform_.messageShown = [this](const QString& text) {
        if (messageShown)
            messageShown(lines_.lineNumber(), text);
    };
    lines_.errorTolerated = [this](int line, const QString& text) {
        if (messageShown)
            messageShown(line, text);
    };
    form_.start();
}
