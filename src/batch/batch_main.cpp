#include "batch_main.h"

#include "batch_runner.h"
#include "command_line.h"
#include "screen/fonts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdlib>

namespace {

// A run without a window keeps nothing in a runtime folder, yet Qt looks for one as it starts and
// warns on every run where the session has none (root under a bare su, a CI job). A private, empty
// one for the length of the run keeps the output to the script's own messages.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder() {
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            return;
        QByteArray name = QFile::encodeName(QDir::tempPath()) + "/vokarelo-runtime-XXXXXX";
        // mkdtemp makes it 0700 and ours, which is what Qt asks of a runtime folder.
        if (::mkdtemp(name.data())) {
            path_ = name;
            qputenv("XDG_RUNTIME_DIR", path_);
        }
    }
    ~PrivateRuntimeFolder() {
        if (!path_.isEmpty())
            QDir(QFile::decodeName(path_)).removeRecursively();
    }
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

private:
    QByteArray path_;
};

} // namespace

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

    BatchRunner runner(runningProgramFolder(), pixelRatio);
    runner.messageShown = [&](int line, const QString& text) {
        out << scriptName << ':' << line << ": " << text << Qt::endl;
    };
    const std::optional<ScriptFailure> failure = runner.run(script);
    if (!failure)
        return 0;
    err << (failure->unreadable ? "vokarelo: " : "") << failureText(scriptName, *failure)
        << Qt::endl;
    return failure->unreadable ? ExitUsage : ExitScriptFailed;
}
