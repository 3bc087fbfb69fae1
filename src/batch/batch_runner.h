// SPDX-License-Identifier: MIT
#pragma once

#include "form/form.h"
#include "headless_services.h"
#include "script/line_runner.h"
#include "script/script_world.h"

#include <QIODevice>
#include <functional>
#include <optional>

// Runs scripts on one window, started as the program starts it, without showing it. It is the
// form's observer: an error fails the line that ran into it, and what the window would show in a
// message box goes to messageShown.
class BatchRunner final : private FormObserver {
public:
    // Receives each message the window would show in a box, and the error of each "try" line,
    // with the line that made it show.
    using MessageShown = std::function<void(int line, const QString& text)>;

    // The window's clock is clock until a "now" line fixes it. Pictures are written through files,
    // the export's into a folder of locations, and taken at pixelRatio device pixels to the window
    // pixel, as on a screen of that density.
    BatchRunner(Clock& clock, FileStore& files, ExportLocations& locations, qreal pixelRatio,
                MessageShown messageShown);
    BatchRunner(const BatchRunner&) = delete;
    BatchRunner& operator=(const BatchRunner&) = delete;

    // Runs the lines of a UTF-8 script in order, each as it is read. The first line that fails
    // stops the run, and what the lines before it did stays done; the exit button ends it without
    // failure.
    std::optional<ScriptFailure> run(QIODevice& script);

    // Whether a save line or the export has written a picture since the runner was made.
    bool wrotePicture() const { return wrotePicture_; }

    Form& form() { return form_; }
    ScriptWorld& world() { return world_; }

private:
    void commandFailed(const CommandError& error) override;
    void exportFinished(const ExportOutcome& outcome) override;
    void quitAsked() override {}

    MessageShown messageShown_;
    MemoryClipboard clipboard_;
    ImmediateTimer timer_;
    HeadlessScreen screen_;
    ScriptWorld world_;
    Form form_;
    FormActions actions_{form_};
    LineRunner lines_{form_, actions_, world_};
    bool wrotePicture_ = false;
};
