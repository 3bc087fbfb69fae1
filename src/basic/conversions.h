// SPDX-License-Identifier: MIT
#pragma once

#include "command_error.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// Text-to-number rules of the commands. Blanks around a number are allowed; the empty text and
// anything else that is not a plain decimal number (optional sign, fraction, exponent) is a type
// mismatch. Every conversion throws CommandError.

// The text as a number or a time is read from it: the full-width digits, signs, point and colon a
// Chinese input method types become their ASCII forms, and the ideographic and no-break spaces
// plain blanks. Everything else stays as it is; the field itself keeps what was typed.
QString numberReading(const QString& text);

double toDouble(const QString& text);
// Rounds to the nearest whole number, halves to the even neighbour; outside -32768..32767 it is an
// overflow.
std::int16_t toInt16(double value);
std::int16_t toInt16(const QString& text);
// Nearest whole number, halves to even, as a signed 32-bit integer (overflow outside its range).
std::int32_t toInt32(double value);
// The whole number at or below value: the whole part of a percentage or a fill width.
double roundDown(double value);
// Decimal digits without leading zeros, "-" for negatives; whole numbers never show a fraction or
// an exponent below 10^15.
QString numberToText(double value);

// The text as a line of a message shows it: when longer than most characters, its start and its
// end with "…" between, so that a long path keeps its folder's start and its file's name.
QString elidedMiddle(const QString& text, qsizetype most);
// How long a path a message shows, shortened in its middle beyond that.
inline constexpr qsizetype ShownPathCharacters = 100;

// An edit that turned before into after, made again on now, a text that changed meanwhile: the
// characters it removed and those it put in, at the end of now when the edit was at the end of
// before, else as many characters from now's start as from before's. Typing at the end of a field
// appends to whatever the field holds by then; an unchanged text gives after itself.
QString rebasedEdit(const QString& before, const QString& after, const QString& now);

// Every occurrence of what, removed in one left-to-right pass.
QString removeAll(const QString& text, const QString& what);
// Splits at every separator, keeping empty parts.
QStringList splitAll(const QString& text, const QString& separator);
// Part index of parts, or a subscript-out-of-range error when there is none.
const QString& partAt(const QStringList& parts, qsizetype index);

// The text as a terminal may show it without taking orders from it: the control characters (C0
// but the line feed that ends a line of a message, DEL and C1) as \x1b, and the bidirectional
// embeddings, overrides and isolates, which would reorder what follows them on the line, as
// \u202e. Everything else stays as it is, backslashes included.
QString escapedForTerminal(const QString& text);
// The text as a window shows it, read as plain text: every kind of line break (CR LF, CR, the
// vertical tab, the form feed, NEL, the line and paragraph separators) as the line feed, so that a
// text counts its lines as it is shown, and what escapedForTerminal escapes escaped the same way,
// so that a name reads in its real order.
QString escapedForWindow(const QString& text);
