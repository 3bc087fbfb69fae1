// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <optional>

// The clock as a script's commands read it, in whole seconds, as a "now" line holds them: the
// clock outside until a "now" line fixes a moment. It keeps the moment a command read last, so that
// a recording can say what the command found.
class ScriptClock final : public Clock {
public:
    explicit ScriptClock(Clock& outside) : outside_(outside) {}

    QDateTime now() const override;
    QLocale locale() const override { return outside_.locale(); }

    void fix(const QDateTime& moment) { fixed_ = moment; }
    void release() { fixed_.reset(); }
    const std::optional<QDateTime>& lastRead() const { return lastRead_; }
    void forgetReading() { lastRead_.reset(); }

private:
    Clock& outside_;
    std::optional<QDateTime> fixed_;
    mutable std::optional<QDateTime> lastRead_;
};

// The clipboard as a script's commands find it: while a script runs, its text is the one the
// script's "clipboard" lines put there, none before the first, and never the one outside; pictures
// go to the clipboard outside. It keeps the text a command found last.
class ScriptClipboard final : public Clipboard {
public:
    explicit ScriptClipboard(Clipboard& outside) : outside_(outside) {}

    void readText(qsizetype mostCharacters, std::function<void(ClipboardText)> then) override;
    void readPicture(std::function<void(ClipboardPicture)> then) override {
        outside_.readPicture(std::move(then));
    }
    bool setPicture(const QImage& picture) override { return outside_.setPicture(picture); }

    // From begin to end the script's own text stands in for the one outside.
    void beginScript() { scriptText_ = QString(); }
    void endScript() { scriptText_.reset(); }
    void put(const QString& text) { scriptText_ = text; }
    // Only a text that was there counts: a paste that found none changed nothing.
    const std::optional<QString>& lastRead() const { return lastRead_; }
    void forgetReading() { lastRead_.reset(); }

private:
    Clipboard& outside_;
    std::optional<QString> scriptText_;
    std::optional<QString> lastRead_;
};

// What a script sets around the window, the same for the script mode and for the window's set-ups:
// the clock its commands read and the text its paste buttons find.
class ScriptWorld {
public:
    ScriptWorld(Clock& clock, Clipboard& clipboard) : clock_(clock), clipboard_(clipboard) {}
    ScriptWorld(const ScriptWorld&) = delete;
    ScriptWorld& operator=(const ScriptWorld&) = delete;

    ScriptClock& clock() { return clock_; }
    ScriptClipboard& clipboard() { return clipboard_; }

    // A script starts with the clock outside and no clipboard text of its own; when it ends, both
    // are the ones outside again.
    void beginScript();
    void endScript();
    void fixClock(const QDateTime& moment) { clock_.fix(moment); }
    void putClipboardText(const QString& text) { clipboard_.put(text); }
    // Forgets what the commands read, so that the next reads are those of the next command.
    void forgetReading();

private:
    ScriptClock clock_;
    ScriptClipboard clipboard_;
};
