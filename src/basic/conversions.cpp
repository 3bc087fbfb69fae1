// SPDX-License-Identifier: MIT
#include "conversions.h"

#include <QRegularExpression>
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

QString numberReading(const QString& text) {
    // U+FF01..U+FF5E are the full-width forms of U+0021..U+007E, in the same order.
    constexpr char16_t FullWidthOffset = 0xFEE0;
    QString reading = text;
    for (QChar& c : reading) {
        const char16_t code = c.unicode();
        if ((code >= u'０' && code <= u'９') || code == u'＋' || code == u'－' || code == u'．' ||
            code == u'：')
            c = QChar(char16_t(code - FullWidthOffset));
        else if (code == u'\u3000' || code == u'\u00a0')
            c = u' ';
    }
    return reading;
}

double toDouble(const QString& typed) {
    const QString text = numberReading(typed);
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QString core = text.mid(begin, end - begin);

    static const QRegularExpression number(
        QStringLiteral(R"(\A[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?\z)"));
    if (!number.match(core).hasMatch())
        throw CommandError(ErrorKind::TypeMismatch);

    bool ok = false;
    const double value = core.toDouble(&ok);
    // Once the pattern has matched, QString::toDouble refuses only magnitudes beyond a double:
    // too large is an overflow, too small is as good as zero, as any tiny number reads.
    if (!std::isfinite(value))
        throw CommandError(ErrorKind::Overflow);
    if (!ok)
        return core.startsWith(u'-') ? -0.0 : 0.0;
    return value;
}

std::int16_t toInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw CommandError(ErrorKind::Overflow);
    return static_cast<std::int16_t>(rounded);
}

std::int16_t toInt16(const QString& text) {
    return toInt16(toDouble(text));
}

std::int32_t toInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw CommandError(ErrorKind::Overflow);
    return static_cast<std::int32_t>(rounded);
}

double roundDown(double value) {
    return std::floor(value);
}

QString numberToText(double value) {
    if (value == 0.0)
        return QStringLiteral("0");
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

QString elidedMiddle(const QString& text, qsizetype most) {
    if (text.size() <= most)
        return text;
    qsizetype head = (most - 1) / 2;
    qsizetype tail = most - 1 - head;
    // Never half of a character beyond the basic plane.
    if (head > 0 && text.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && text.at(text.size() - tail).isLowSurrogate())
        --tail;
    return text.first(head) + u'…' + text.last(tail);
}

QString removeAll(const QString& text, const QString& what) {
    if (what.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(what, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        result += QStringView(text).mid(from, at - from);
        from = at + what.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

QStringList splitAll(const QString& text, const QString& separator) {
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

const QString& partAt(const QStringList& parts, qsizetype index) {
    if (index < 0 || index >= parts.size())
        throw CommandError(ErrorKind::SubscriptOutOfRange);
    return parts[index];
}

QString escapedForTerminal(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool control = (code < 0x20 && code != u'\n') || (code >= 0x7f && code <= 0x9f);
        const bool bidirectional =
            (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
        if (control)
            shown += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        else if (bidirectional)
            shown += QStringLiteral("\\u%1").arg(int(code), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString escapedForWindow(const QString& text) {
    QString lines;
    lines.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        switch (text.at(i).unicode()) {
        case u'\r':
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            [[fallthrough]];
        case u'\v':
        case u'\f':
        case 0x85:
        case 0x2028:
        case 0x2029:
            lines += u'\n';
            break;
        default:
            lines += text.at(i);
        }
    }
    return escapedForTerminal(lines);
}

QString rebasedEdit(const QString& before, const QString& after, const QString& now) {
    if (now == before)
        return after;
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const QString inserted = after.mid(head, after.size() - head - tail);
    const qsizetype removed = before.size() - head - tail;
    // At the end of the text the edit stays at the end; elsewhere it stays where the cursor was,
    // counted from the start, as a cursor is.
    const qsizetype at =
        tail == 0 ? std::max<qsizetype>(0, now.size() - removed) : std::min(head, now.size());
    return now.left(at) + inserted + now.mid(at + std::min(removed, now.size() - at));
}
