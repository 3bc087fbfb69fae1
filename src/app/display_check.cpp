// SPDX-License-Identifier: MIT
#include "display_check.h"

#include "cli/command_line.h"
#include "cli/terminal_output.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {

void sayNoDisplay() {
    writeToTerminal(stderr,
                    QStringLiteral("vokarelo: there is no display to show the window on; to make "
                                   "pictures without one, run a script with --script FILE (see "
                                   "vokarelo --help)\n"));
}

// The value of a Qt option that takes one: "-display :0", "--display=:0".
QString optionValue(const QStringList& arguments, const QString& name) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QStringView argument(arguments[i]);
        if (!argument.startsWith(u'-'))
            continue;
        argument = argument.sliced(argument.startsWith(u"--") ? 2 : 1);
        if (argument == name && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(name + u'='))
            return argument.sliced(name.size() + 1).toString();
    }
    return {};
}

QtMessageHandler previousHandler = nullptr;
bool displayUnreachable = false;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && displayUnreachable) {
        sayNoDisplay();
        std::_Exit(ExitScriptFailed);
    }
    // The platform that found no display tells it before it gives up.
    if (message.contains(QLatin1String("could not connect to display")) ||
        message.contains(QLatin1String("Failed to create wl_display")))
        displayUnreachable = true;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        writeToTerminal(stderr, qFormatLogMessage(type, context, message) + u'\n');
}

} // namespace

bool displayNamed(const QStringList& arguments) {
    QString platform = optionValue(arguments, QStringLiteral("platform"));
    if (platform.isEmpty())
        platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool x11 = platform.isEmpty() || platform.startsWith(QLatin1String("xcb"));
    const bool wayland = platform.isEmpty() || platform.startsWith(QLatin1String("wayland"));
    if (!x11 && !wayland)
        return true;
    const bool named = (x11 && (!qEnvironmentVariableIsEmpty("DISPLAY") ||
                                !optionValue(arguments, QStringLiteral("display")).isEmpty())) ||
                       (wayland && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    if (!named)
        sayNoDisplay();
    return named;
}

UnreachableDisplayExit::UnreachableDisplayExit() {
    displayUnreachable = false;
    previousHandler = qInstallMessageHandler(handleMessage);
}

UnreachableDisplayExit::~UnreachableDisplayExit() {
    qInstallMessageHandler(previousHandler);
}
