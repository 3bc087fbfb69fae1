// SPDX-License-Identifier: MIT
#pragma once

#include "basic/platform.h"
#include "line_runner.h"

#include <functional>
#include <memory>
#include <optional>

// The window's platform while its set-ups are recorded and run. It passes everything on to the
// system's platform, except that the clock is read in whole seconds, as a script's "now" line
// holds it, and that a set-up being run has a clock and a clipboard text of its own, as in the
// script mode, and that a set-up's run shows no message of its own while it runs. It notes what the
// commands read, so that a recording can say it.
class SetupPlatform : public Platform, public ScriptWorld {
public:
    explicit SetupPlatform(Platform& system);
    ~SetupPlatform() override;

    // From beginScript to endScript the script's clock (the system's until a "now" line) and
    // clipboard text (none until a "clipboard" line) stand in for the system's, and a command that
    // quits ends the script, not the program.
    void beginScript();
    void endScript();

    // From beginReplay to endReplay the window is being brought back to an earlier state (undo,
    // redo): the replayed commands leave no trace outside it. Pictures they capture stay on a
    // clipboard of the replay's own, exports write nothing and the export's pause is not waited.
    void beginReplay();
    void endReplay();
    bool replaying() const { return replayStore_ != nullptr; }

    // Forgets what was read; clockRead and clipboardTextRead then say what the commands read since.
    void startWatching();
    const std::optional<QDateTime>& clockRead() const { return clockRead_; }
    // Only a text that was there counts: a paste that found none changed nothing.
    const std::optional<QString>& clipboardTextRead() const { return clipboardTextRead_; }

    void fixClock(const QDateTime& moment) override { fixedClock_ = moment; }
    void putClipboardText(const QString& text) override { scriptClipboard_ = text; }
    bool quitRequested() const override { return quitRequested_; }

    QDateTime now() const override;
    QLocale locale() const override { return system_.locale(); }
    ClipboardText clipboardText() const override;
    ClipboardPicture clipboardPicture() const override;
    void setClipboardImage(const QImage& image) override;
    void pause(int milliseconds) override;
    ProgramFolder programFolder() const override { return system_.programFolder(); }
    QString picturesFolder() const override { return system_.picturesFolder(); }
    int screenHeightPixels() const override { return system_.screenHeightPixels(); }
    qreal devicePixelRatio() const override { return system_.devicePixelRatio(); }
    // A script's messages are held for the one message at the end of its run.
    void showMessage(const QString& text, const QString& title) override;
    std::function<void(const QString& text)> heldMessage;
    void startTimer(int milliseconds) override { system_.startTimer(milliseconds); }
    void stopTimer() override { system_.stopTimer(); }
    void quit() override;
    FileStore& fileStore() override;

private:
    Platform& system_;
    bool inScript_ = false;
    std::optional<QDateTime> fixedClock_;
    QString scriptClipboard_;
    bool quitRequested_ = false;
    // Set while replaying: the file system that writes nothing.
    std::unique_ptr<FileStore> replayStore_;
    QImage replayClipboard_;
    mutable std::optional<QDateTime> clockRead_;
    mutable std::optional<QString> clipboardTextRead_;
};
