// SPDX-License-Identifier: MIT
#include "batch_main.h"

#include "batch_runner.h"
#include "cli/command_line.h"
#include "cli/private_runtime_folder.h"
#include "cli/terminal_output.h"
#include "platform/system_clock.h"
#include "platform/system_file_store.h"
#include "screen/fonts.h"
#include "texts/file_failures.h"

#include <QFile>
#include <QGuiApplication>

int runBatch(int& argc, char** argv, const QString& scriptPath, qreal pixelRatio) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateRuntimeFolder runtimeFolder;
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vokarelo"));
    installFontSubstitutions();

    const bool standardInput = scriptPath == u"-";
    const QString scriptName = standardInput ? QStringLiteral("<stdin>") : scriptPath;
    QFile script(standardInput ? QString() : scriptPath);
    if (!(standardInput ? script.open(stdin, QIODevice::ReadOnly)
                        : script.open(QIODevice::ReadOnly))) {
        writeToTerminal(stderr, QStringLiteral("vokarelo: ") +
                                    fileNotReadText(scriptName, script.errorString()).english +
                                    u'\n');
        return ExitUsage;
    }

    SystemClock clock;
    SystemFileStore files(runningProgramFolder(), userPicturesFolder());
    BatchRunner runner(clock, files, files, pixelRatio, [&](int line, const QString& text) {
        writeToTerminal(stdout, scriptName + u':' + QString::number(line) + QStringLiteral(": ") +
                                    text + u'\n');
    });
    const std::optional<ScriptFailure> failure = runner.run(script);
    if (!failure) {
        // A run that wrote nothing has done its work in vain, most often for want of a save line.
        if (!runner.wrotePicture())
            writeToTerminal(stderr, QStringLiteral("vokarelo: ") + scriptName +
                                        QStringLiteral(" wrote no picture; a save line or the "
                                                       "export writes one\n"));
        return 0;
    }
    writeToTerminal(stderr, (failure->unreadable ? QStringLiteral("vokarelo: ") : QString()) +
                                failureText(scriptName, *failure) + u'\n');
    return failure->unreadable ? ExitUsage : ExitScriptFailed;
}
