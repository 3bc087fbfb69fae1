#include "batch/batch_main.h"
#include "batch/command_line.h"
#include "form/form.h"
#include "main_window.h"
#include "qt_platform.h"
#include "screen/fonts.h"
#include "script/setup_platform.h"
#include "script/setup_session.h"

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Under a file size limit (ulimit -f) the system would end the program part-way through a
    // picture; ignored, the write fails (EFBIG), the earlier file stays and the program says why.
    std::signal(SIGXFSZ, SIG_IGN);
    // Read before any application object exists: a script run must choose its platform first.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = parseCommandLine(arguments);
    switch (commandLine.mode) {
    case CommandLine::Mode::Help:
        std::fputs(helpText().toUtf8().constData(), stdout);
        return 0;
    case CommandLine::Mode::Invalid:
        std::fprintf(stderr, "vokarelo: %s\nSee vokarelo --help.\n",
                     commandLine.error.toLocal8Bit().constData());
        return ExitUsage;
    case CommandLine::Mode::Script:
        return runBatch(argc, argv, commandLine.scriptPath, commandLine.pixelRatio);
    case CommandLine::Mode::Window:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vokarelo"));
    installFontSubstitutions();
    // What Qt left of the arguments: a set-up to open, "vokarelo FILE.vks".
    QStringList setups = QApplication::arguments().mid(1);
    setups.removeIf([](const QString& argument) { return argument.startsWith(u'-'); });
    if (setups.size() > 1) {
        std::fprintf(stderr, "vokarelo: one set-up at a time, not %lld\nSee vokarelo --help.\n",
                     static_cast<long long>(setups.size()));
        return ExitUsage;
    }

    QtPlatform system;
    SetupPlatform platform(system);
    SetupSession session(platform);
    Form& form = session.form();

    MainWindow window(form, session);
    system.window = &window;
    system.beforeMessage = [&window] { window.syncFromForm(); };
    system.onTimer = [&window, &form] {
        window.runEvent(QStringLiteral("Timer1"), [&form] { form.timerTick(); });
    };

    window.show();
    if (!setups.isEmpty())
        QTimer::singleShot(0, &window, [&window, path = setups.front()] {
            window.runEvent(QStringLiteral("打开设置"),
                            [&] { window.setupFiles().openFile(path); });
        });
    return app.exec();
}
