#pragma once

#include "form/form.h"
#include "headless_platform.h"
#include "script.h"

#include <QIODevice>
#include <functional>
#include <optional>

// The line that stopped a script, and why.
struct ScriptFailure {
    int line;         // counted from 1
    QString lineText; // empty when the line was not read whole
    QString message;
    bool unreadable; // the script could not be read from this line on
};

// Runs scripts on one window, started as the program starts it, without showing it.
class BatchRunner {
public:
    // Pictures are taken at scale device pixels to the window pixel, as on a screen of that
    // density.
    explicit BatchRunner(const ProgramFolder& programFolder, int scale = 1);
    BatchRunner(const BatchRunner&) = delete;
    BatchRunner& operator=(const BatchRunner&) = delete;

    // Runs the lines of a UTF-8 script in order, each as it is read. The first line that fails
    // stops the run, and what the lines before it did stays done; the exit button ends it without
    // failure.
    std::optional<ScriptFailure> run(QIODevice& script);

    HeadlessPlatform& platform() { return platform_; }
    Form& form() { return form_; }

    // Receives each message the window would show in a box, with the line that made it show.
    std::function<void(int line, const QString& text)> messageShown;

private:
    void runLine(const QString& line);
    void perform(const ScriptAction& action);

    HeadlessPlatform platform_;
    Form form_;
    int lineNumber_ = 0;
    // The first error a command of the current line ran into, described.
    std::optional<QString> commandError_;
};
