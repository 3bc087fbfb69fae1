#include "batch/batch_main.h"
#include "batch/command_line.h"
#include "form/form.h"
#include "main_window.h"
#include "qt_platform.h"
#include "screen/fonts.h"
#include "window/window_definition.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
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
        return runBatch(argc, argv, commandLine.scriptPath, commandLine.scale);
    case CommandLine::Mode::Window:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vokarelo"));
    installFontSubstitutions();

    QtPlatform platform;
    Form form(platform, windowDefinition());
    form.start();

    MainWindow window(form);
    platform.window = &window;
    platform.beforeMessage = [&window] { window.syncFromForm(); };
    platform.onTimer = [&form] { form.timerTick(); };
    form.changed = [&window] { window.syncFromForm(); };

    window.show();
    return app.exec();
}
