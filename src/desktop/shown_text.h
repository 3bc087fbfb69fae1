// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QLabel;
class QMessageBox;

// The one way a text reaches the user's eyes in a widget: as plain text, never as markup. Qt reads
// a text that merely looks like markup as rich text, and rich text loads the pictures it names and
// makes links; a set-up's name, a number, a path or the clipboard's text can hold anything. Line
// breaks of every kind and reordering controls are spelled out first (escapedForWindow).

// A label's or a box's text, its format fixed to plain text.
void showPlainText(QLabel& label, const QString& text);
void showPlainText(QMessageBox& box, const QString& text);
// A tooltip: Qt has no plain format for one, so a text that could pass for markup is escaped into
// the rich text that shows it as written.
QString plainToolTip(const QString& text);
// An entry of a menu or a window's title: one line, and an "&" that stays an "&" in a menu.
QString plainMenuText(const QString& text);
QString plainTitle(const QString& text);
