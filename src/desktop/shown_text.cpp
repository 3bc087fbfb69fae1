// SPDX-License-Identifier: MIT
#include "shown_text.h"

#include "basic/conversions.h"

#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>

namespace {

QString oneLine(const QString& text) {
    QString line = escapedForWindow(text);
    line.replace(u'\n', u' ');
    return line;
}

} // namespace

void showPlainText(QLabel& label, const QString& text) {
    label.setTextFormat(Qt::PlainText);
    label.setText(escapedForWindow(text));
}

void showPlainText(QMessageBox& box, const QString& text) {
    box.setTextFormat(Qt::PlainText);
    box.setText(escapedForWindow(text));
}

QString plainToolTip(const QString& text) {
    const QString shown = escapedForWindow(text);
    return Qt::mightBeRichText(shown) ? Qt::convertFromPlainText(shown, Qt::WhiteSpacePre) : shown;
}

QString plainMenuText(const QString& text) {
    QString line = oneLine(text);
    line.replace(u'&', QStringLiteral("&&"));
    return line;
}

QString plainTitle(const QString& text) {
    return oneLine(text);
}
