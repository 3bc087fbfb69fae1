// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdio>

// What the program writes to standard output or standard error, the window and the script mode
// alike, reaches a terminal: the file names, lines and arguments it quotes must not change the
// terminal's title, clear its screen or reorder its lines. Every such write goes through here.

// Writes text, its control characters escaped, and flushes it, so that what goes to standard
// output and standard error arrives in the order it was written.
void writeToTerminal(std::FILE* stream, const QString& text);

// From here on, Qt's own warnings, which quote environment variables and arguments (an unknown
// platform's name, the display that does not answer), are escaped the same way before Qt's
// handler writes them where it would have.
void escapeQtMessages();
