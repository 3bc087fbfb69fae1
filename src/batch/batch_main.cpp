#include "batch_main.h"

#include "batch_runner.h"
#include "command_line.h"
#include "screen/fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// The whole script, or nothing with the reason in error.
std::optional<QByteArray> readScript(const QString& path, QString* error) {
    QFile file(path);
    const bool opened =
        path == u"-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (opened) {
        QByteArray script = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return script;
    }
    *error = file.errorString();
    return std::nullopt;
}

} // namespace

int runBatch(int& argc, char** argv, const QString& scriptPath) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vokarelo"));
    installFontSubstitutions();

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString scriptName = scriptPath == u"-" ? QStringLiteral("<stdin>") : scriptPath;

    QString readError;
    const std::optional<QByteArray> script = readScript(scriptPath, &readError);
    if (!script) {
        err << "vokarelo: cannot read " << scriptName << ": " << readError << Qt::endl;
        return ExitUsage;
    }

    BatchRunner runner(runningProgramFolder());
    runner.messageShown = [&](int line, const QString& text) {
        out << scriptName << ':' << line << ": " << text << Qt::endl;
    };
    if (const std::optional<ScriptFailure> failure = runner.run(*script)) {
        err << scriptName << ':' << failure->line << ": " << failure->lineText.trimmed() << ": "
            << failure->message << Qt::endl;
        return ExitScriptFailed;
    }
    return 0;
}
