// SPDX-License-Identifier: MIT
#include "batch/batch_main.h"
#include "cli/command_line.h"
#include "cli/private_runtime_folder.h"
#include "cli/start_environment.h"
#include "cli/terminal_output.h"
#include "desktop/system_services.h"
#include "display_check.h"
#include "main_window.h"
#include "platform/ending_signals.h"
#include "platform/settings_file.h"
#include "qt_translation.h"
#include "screen/fonts.h"
#include "session/window_model.h"
#include "window_frame.h"

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    // Under a file size limit (ulimit -f) the system would end the program part-way through a
    // picture; ignored, the write fails (EFBIG), the earlier file stays and the program says why.
    std::signal(SIGXFSZ, SIG_IGN);
    // A file being written when the program is ended by a signal leaves no temporary file.
    removeTemporaryFilesOnEndingSignals();
    // Before Qt reads the environment or says a word, for the window and the script mode alike.
    ignoreRelativeBaseDirectories();
    escapeQtMessages();
    // Read before any application object exists: a script run must choose its platform first.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = parseCommandLine(arguments);
    switch (commandLine.mode) {
    case CommandLine::Mode::Help:
        writeToTerminal(stdout, helpText());
        return 0;
    case CommandLine::Mode::Version:
        writeToTerminal(stdout, versionText());
        return 0;
    case CommandLine::Mode::Invalid:
        writeToTerminal(
            stderr, QStringLiteral("vokarelo: %1; see vokarelo --help\n").arg(commandLine.error));
        return ExitUsage;
    case CommandLine::Mode::Script:
        return runBatch(argc, argv, commandLine.scriptPath, commandLine.pixelRatio);
    case CommandLine::Mode::Window:
        break;
    }

    if (!displayNamed(arguments))
        return ExitScriptFailed;
    for (const QString& line : ignoreUnusableScaleFactors() + ignoreUnusableFontDpi())
        writeToTerminal(stderr, line + u'\n');
    useLastingRuntimeFolder();
    std::optional<UnreachableDisplayExit> noDisplayExit(std::in_place);
    QApplication app(argc, argv);
    noDisplayExit.reset();
    QApplication::setApplicationName(QStringLiteral("Vokarelo"));
    SettingsFile::tellRefusalTo([](const QString& line) { writeToTerminal(stderr, line + u'\n'); });
    loadChineseQtTexts(app);
    installFontSubstitutions();
    // What Qt left of the arguments: a set-up to open, "vokarelo FILE.vks".
    QStringList setups = QApplication::arguments().mid(1);
    setups.removeIf([](const QString& argument) { return argument.startsWith(u'-'); });
    if (setups.size() > 1) {
        writeToTerminal(stderr, QStringLiteral("vokarelo: one set-up at a time, not %1; see "
                                               "vokarelo --help\n")
                                    .arg(setups.size()));
        return ExitUsage;
    }

    SystemServices system;
    WindowModel model(system.services(), system.messages);
    MainWindow window(model, system.shell());
    system.serve(&window, [&window] { window.syncFromForm(); });
    QObject::connect(&system.timer, &QtTimer::ticked, &window, [&window] { window.timerTicked(); });

    WindowFrame frame(window);
    window.framedBy(frame);
    frame.show();
    // Logout or a shutdown (SIGTERM), or the terminal gone (SIGHUP): the session is kept first.
    EndingSignals endingSignals;
    QObject::connect(&endingSignals, &EndingSignals::received, &window,
                     [&window](int signalNumber) { window.endBySignal(signalNumber); });
    window.greet();
    if (!setups.isEmpty())
        QTimer::singleShot(0, &window, [&window, path = setups.front()] {
            window.runEvent(QStringLiteral("打开设置"),
                            [&window, path] { window.setupFiles().openFile(path); });
        });
    return app.exec();
}
