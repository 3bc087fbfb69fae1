// SPDX-License-Identifier: MIT
#pragma once

#include "texts/bilingual_text.h"

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

// One line of a script: what a user does in the window, or one of the script's own actions.
struct ScriptAction {
    enum class Kind {
        SetField,     // Text3 = 13912345678
        Click,        // Command6
        DblClick,     // dblclick Text21
        Save,         // save PATH
        SetClock,     // now 2024-10-14 9:32:05
        SetClipboard, // clipboard = 广东广州 移动
    };
    Kind kind;
    QString name;     // the control of SetField, Click and DblClick
    QString text;     // the field's new text, the clipboard's text, or the path to save to
    QDateTime moment; // SetClock
    // "try" before a click or double-click: an error of its command is reported and the run goes
    // on, as the window went on after it when the set-up was recorded.
    bool mayFail = false;
};

// A message of the script language, in English for the script mode and Chinese for the window.
using ScriptText = BilingualText;

// Why a line could not be carried out, in words that name the control or field concerned.
struct ScriptError {
    ScriptText message;
};

// Reads one line (without its line break). Blank lines and comments give nothing; a line that
// fits none of the forms throws ScriptError.
std::optional<ScriptAction> parseScriptLine(QStringView line);

// The line that parses back into action.
QString formatScriptLine(const ScriptAction& action);

// A moment as a "now" line writes it: 2024-10-14 9:32:05.
QString formatScriptMoment(const QDateTime& moment);

// A field's text as a script writes it: \n is a line feed, \r a carriage return, \\ a backslash.
// Any other backslash throws ScriptError, so that a mistyped escape never reaches a field.
QString unescapeFieldText(QStringView text);

// The text as a script line holds it, which unescapeFieldText gives back.
QString escapeFieldText(QStringView text);
