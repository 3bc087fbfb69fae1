// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch_runner.h"
#include "platform/system_file_store.h"
#include "support/fake_services.h"
#include "support/jpeg.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QStringList>
#include <QTemporaryDir>

// Runs the lines of script with folder as the current folder.
inline std::optional<ScriptFailure> runInFolder(BatchRunner& runner, const QString& folder,
                                                QByteArray script) {
    QBuffer lines(&script);
    lines.open(QIODevice::ReadOnly);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    std::optional<ScriptFailure> failure = runner.run(lines);
    QDir::setCurrent(previous);
    return failure;
}

// A runner whose program folder, and current folder for the script's saves, is a fresh temporary
// folder.
struct ScriptRun {
    QTemporaryDir folder;
    SystemFileStore files{ProgramFolder{folder.path()}, QString()};
    FakeClock clock;
    QStringList messages; // "LINE: TEXT"
    BatchRunner runner{clock, files, files, 1, [this](int line, const QString& text) {
                           messages.append(QStringLiteral("%1: %2").arg(line).arg(text));
                       }};

    // Runs the lines with the temporary folder as the current folder.
    std::optional<ScriptFailure> run(QByteArray script) {
        return runInFolder(runner, folder.path(), std::move(script));
    }
    QString path(const QString& name) const { return folder.filePath(name); }
};
