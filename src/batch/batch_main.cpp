// SPDX-License-Identifier: MIT
#include "batch_main.h"

#include "batch_runner.h"
#include "cli/command_line.h"
#include "cli/private_runtime_folder.h"
#include "platform/system_file_store.h"
#include "screen/fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int runBatch(int& argc, char** argv, const QString& scriptPath, qreal pixelRatio) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateRuntimeFolder runtimeFolder;
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vokarelo"));
    installFontSubstitutions();

    QTextStream out(stdout);
    QTextStream err(stderr);
    const bool standardInput = scriptPath == u"-";
    const QString scriptName = standardInput ? QStringLiteral("<stdin>") : scriptPath;
    QFile script(standardInput ? QString() : scriptPath);
    if (!(standardInput ? script.open(stdin, QIODevice::ReadOnly)
                        : script.open(QIODevice::ReadOnly))) {
        err << "vokarelo: cannot read " << scriptName << ": " << script.errorString() << Qt::endl;
        return ExitUsage;
    }

    SystemFileStore files(runningProgramFolder(), userPicturesFolder());
    BatchRunner runner(files, pixelRatio, [&](int line, const QString& text) {
        out << scriptName << ':' << line << ": " << text << Qt::endl;
    });
    const std::optional<ScriptFailure> failure = runner.run(script);
    if (!failure) {
        // A run that wrote nothing has done its work in vain, most often for want of a save line.
        if (!runner.wrotePicture())
            err << "vokarelo: " << scriptName
                << " wrote no picture; a save line or the export writes one" << Qt::endl;
        return 0;
    }
    err << (failure->unreadable ? "vokarelo: " : "") << failureText(scriptName, *failure)
        << Qt::endl;
    return failure->unreadable ? ExitUsage : ExitScriptFailed;
}
