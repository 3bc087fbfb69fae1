// SPDX-License-Identifier: MIT
#include "script.h"

#include <QRegularExpression>
#include <utility>

namespace {

const ScriptText Forms = {
    QStringLiteral("expected NAME, NAME = TEXT, dblclick NAME, try NAME, clipboard = TEXT, save "
                   "PATH or now DATE TIME"),
    QStringLiteral("一行应写成 NAME、NAME = TEXT、dblclick NAME、try NAME、clipboard = TEXT、"
                   "save PATH 或 now DATE TIME")};

// The name before "=" that sets the script's clipboard instead of a field.
const QString ClipboardName = QStringLiteral("clipboard");

qsizetype firstBlank(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isSpace())
            return i;
    return -1;
}

// A control's name is one word; "=" never belongs to one, so "Text3=5" is a setting.
bool isName(QStringView word) {
    return !word.isEmpty() && firstBlank(word) < 0 && !word.contains(u'=');
}

QDateTime parseMoment(QStringView text) {
    static const QRegularExpression form(
        QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})[ \t]+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?$)"));
    const QRegularExpressionMatch m = form.match(text);
    if (m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        const QDateTime moment(date, time);
        if (date.isValid() && time.isValid() && moment.isValid())
            return moment;
    }
    throw ScriptError{
        {QStringLiteral("\"%1\" is not a date and time such as 2024-10-14 9:32:05").arg(text),
         QStringLiteral("“%1”不是日期和时间，应写成 2024-10-14 9:32:05 这样").arg(text)}};
}

// What follows a keyword, which every keyword needs.
QStringView requireArgument(QStringView rest, const QString& keyword, const ScriptText& what) {
    if (rest.isEmpty())
        throw ScriptError{{QStringLiteral("%1 needs %2").arg(keyword, what.english),
                           QStringLiteral("%1 后面缺少%2").arg(keyword, what.chinese)}};
    return rest;
}

} // namespace

QString escapeFieldText(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\')
            result.append(u"\\\\");
        else if (c == u'\n')
            result.append(u"\\n");
        else if (c == u'\r')
            result.append(u"\\r");
        else
            result.append(c);
    }
    return result;
}

QString formatScriptMoment(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyy-MM-dd H:mm:ss"));
}

QString formatScriptLine(const ScriptAction& action) {
    using Kind = ScriptAction::Kind;
    const QString attempt = action.mayFail ? QStringLiteral("try ") : QString();
    switch (action.kind) {
    case Kind::SetField:
        return action.name + QStringLiteral(" = ") + escapeFieldText(action.text);
    case Kind::Click:
        return attempt + action.name;
    case Kind::DblClick:
        return attempt + QStringLiteral("dblclick ") + action.name;
    case Kind::Save:
        return QStringLiteral("save ") + action.text;
    case Kind::SetClock:
        return QStringLiteral("now ") + formatScriptMoment(action.moment);
    case Kind::SetClipboard:
        break;
    }
    return ClipboardName + QStringLiteral(" = ") + escapeFieldText(action.text);
}

QString unescapeFieldText(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            result.append(text[i]);
            continue;
        }
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (next == u'n')
            result.append(u'\n');
        else if (next == u'r')
            result.append(u'\r');
        else if (next == u'\\')
            result.append(u'\\');
        else if (next.isNull())
            throw ScriptError{
                {QStringLiteral("a \\ at the end of the text escapes nothing; write \\\\ for a "
                                "backslash"),
                 QStringLiteral("文本末尾的 \\ 不转义任何字符；反斜杠应写成 \\\\")}};
        else
            throw ScriptError{
                {QStringLiteral("unknown escape \\%1; the escapes are \\n, \\r and \\\\").arg(next),
                 QStringLiteral("未知的转义 \\%1；转义只有 \\n、\\r 和 \\\\").arg(next)}};
        ++i;
    }
    return result;
}

namespace {

// Splits a line's content at its first blank: the keyword, then what follows it, trimmed.
std::pair<QStringView, QStringView> splitKeyword(QStringView content) {
    const qsizetype blank = firstBlank(content);
    if (blank < 0)
        return {content, QStringView()};
    return {content.first(blank), content.sliced(blank).trimmed()};
}

// A line without "try" before it. Every step looks at each character a bounded number of times,
// so that however long the line, reading it costs no more than its length.
ScriptAction parseAction(QStringView line, QStringView content) {
    const auto [keyword, rest] = splitKeyword(content);
    using Kind = ScriptAction::Kind;
    if (keyword == u"try")
        throw ScriptError{{QStringLiteral("try goes before a click or a dblclick"),
                           QStringLiteral("try 只能写在点击或 dblclick 前面")}};
    if (keyword == u"dblclick") {
        const QStringView name = requireArgument(
            rest, QStringLiteral("dblclick"),
            {QStringLiteral("the name of a text field"), QStringLiteral("文本框的名称")});
        if (!isName(name))
            throw ScriptError{{QStringLiteral("\"%1\" is not a control name").arg(name),
                               QStringLiteral("“%1”不是控件的名称").arg(name)}};
        return ScriptAction{Kind::DblClick, name.toString(), {}, {}};
    }
    if (keyword == u"save")
        return ScriptAction{
            Kind::Save,
            {},
            requireArgument(rest, QStringLiteral("save"),
                            {QStringLiteral("a file name"), QStringLiteral("文件名")})
                .toString(),
            {}};
    if (keyword == u"now")
        return ScriptAction{Kind::SetClock,
                            {},
                            {},
                            parseMoment(requireArgument(rest, QStringLiteral("now"),
                                                        {QStringLiteral("a date and time"),
                                                         QStringLiteral("日期和时间")}))};

    // The text is the line itself after "=" and one blank, so that blanks and "#" inside it stay.
    const qsizetype equals = line.indexOf(u'=');
    if (equals >= 0) {
        const QStringView name = line.first(equals).trimmed();
        if (!isName(name))
            throw ScriptError{
                {QStringLiteral("\"%1\" is not a field name; %2").arg(name, Forms.english),
                 QStringLiteral("“%1”不是文本框的名称；%2").arg(name, Forms.chinese)}};
        QStringView text = line.sliced(equals + 1);
        if (text.startsWith(u' '))
            text = text.sliced(1);
        if (name == ClipboardName)
            return ScriptAction{Kind::SetClipboard, {}, unescapeFieldText(text), {}};
        return ScriptAction{Kind::SetField, name.toString(), unescapeFieldText(text), {}};
    }
    if (isName(content))
        return ScriptAction{Kind::Click, content.toString(), {}, {}};
    throw ScriptError{{QStringLiteral("malformed line; %1").arg(Forms.english),
                       QStringLiteral("无法识别这一行；%1").arg(Forms.chinese)}};
}

} // namespace

std::optional<ScriptAction> parseScriptLine(QStringView line) {
    const QStringView content = line.trimmed();
    if (content.isEmpty() || content.startsWith(u'#'))
        return std::nullopt;
    const auto [keyword, rest] = splitKeyword(content);
    if (keyword != u"try")
        return parseAction(line, content);
    // "try" is one prefix, taken once: what follows is a click or a double click, never another
    // "try", and is read as a line of its own.
    const QStringView attempted = requireArgument(
        rest, QStringLiteral("try"),
        {QStringLiteral("a click or dblclick"), QStringLiteral("一个点击或 dblclick")});
    if (attempted.startsWith(u'#'))
        throw ScriptError{{QStringLiteral("try goes before a click or a dblclick"),
                           QStringLiteral("try 只能写在点击或 dblclick 前面")}};
    ScriptAction action = parseAction(attempted, attempted);
    if (action.kind != ScriptAction::Kind::Click && action.kind != ScriptAction::Kind::DblClick)
        throw ScriptError{{QStringLiteral("try goes before a click or a dblclick"),
                           QStringLiteral("try 只能写在点击或 dblclick 前面")}};
    action.mayFail = true;
    return action;
}
