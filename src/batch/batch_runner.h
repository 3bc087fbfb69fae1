// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "headless_platform.h"
#include "script/line_runner.h"

#include <QIODevice>
#include <functional>
#include <optional>

// Runs scripts on one window, started as the program starts it, without showing it. It is the
// form's observer: an error fails the line that ran into it.
class BatchRunner final : private FormObserver {
public:
    // Pictures are taken at pixelRatio device pixels to the window pixel, as on a screen of that
    // density.
    explicit BatchRunner(const ProgramFolder& programFolder, qreal pixelRatio = 1);
    BatchRunner(const BatchRunner&) = delete;
    BatchRunner& operator=(const BatchRunner&) = delete;

    // Runs the lines of a UTF-8 script in order, each as it is read. The first line that fails
    // stops the run, and what the lines before it did stays done; the exit button ends it without
    // failure.
    std::optional<ScriptFailure> run(QIODevice& script) { return lines_.run(script); }

    // Whether a save line or the export has written a picture since the runner was made.
    bool wrotePicture() const { return wrotePicture_; }

    HeadlessPlatform& platform() { return platform_; }
    Form& form() { return form_; }

    // Receives each message the window would show in a box, and the error of each "try" line,
    // with the line that made it show.
    std::function<void(int line, const QString& text)> messageShown;

private:
    void commandFailed(const CommandError& error) override;
    void exportFailed(const QString& path, const QString& reason) override;
    void exported(const QString& path) override;

    HeadlessPlatform platform_;
    Form form_;
    FormActions actions_{form_};
    LineRunner lines_{form_, actions_, platform_};
    bool wrotePicture_ = false;
};
