// SPDX-License-Identifier: MIT
#include "terminal_output.h"

#include "basic/conversions.h"

#include <QtGlobal>

namespace {

QtMessageHandler qtHandler = nullptr;

void escapedQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString escaped = escapedForTerminal(message);
    if (qtHandler)
        qtHandler(type, context, escaped);
    else
        writeToTerminal(stderr, qFormatLogMessage(type, context, escaped) + u'\n');
}

} // namespace

void writeToTerminal(std::FILE* stream, const QString& text) {
    std::fputs(escapedForTerminal(text).toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void escapeQtMessages() {
    static bool installed = false;
    if (!installed)
        qtHandler = qInstallMessageHandler(escapedQtMessage);
    installed = true;
}
