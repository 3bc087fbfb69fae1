// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What the program was asked to do by its arguments.
struct CommandLine {
    enum class Mode {
        Window,  // no option of ours: open the window, leaving the arguments to Qt
        Help,    // --help, -h
        Version, // --version
        Script,  // --script FILE, --script=FILE; "-" is standard input
        Invalid, // error says what is wrong
    };
    Mode mode = Mode::Window;
    QString scriptPath;
    // --scale or --width: device pixels to the window pixel of the pictures a script saves
    qreal pixelRatio = 1;
    QString error;
};

// Reads the arguments that follow the program's name. The window takes Qt's own options
// (-platform NAME, -display NAME, -style NAME, ...), which Qt reads; any other option is an error.
CommandLine parseCommandLine(const QStringList& arguments);

// The text of --help: both ways to run, the script's lines, examples and the exit codes.
QString helpText();

// The text of --version: the program's name and version.
QString versionText();

// Exit codes of a script run; the window's start ends with ExitScriptFailed when there is no
// display to show it on.
inline constexpr int ExitScriptFailed = 1;
inline constexpr int ExitUsage = 2;
