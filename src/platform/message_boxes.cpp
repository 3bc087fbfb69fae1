// SPDX-License-Identifier: MIT
#include "message_boxes.h"

#include "basic/conversions.h"

#include <QStringList>

void MessageBoxes::setWindow(QWidget* window, std::function<void()> beforeShowing) {
    window_ = window;
    beforeShowing_ = std::move(beforeShowing);
}

namespace {

// What a box shows of a text: enough for a screen of a laptop.
constexpr qsizetype MostLineCharacters = 160;
constexpr qsizetype MostLines = 40;

QString fitted(const QString& text) {
    QStringList lines = text.split(u'\n');
    const qsizetype left = lines.size() - MostLines;
    if (left > 0) {
        lines.resize(MostLines);
        lines.append(QStringLiteral("……（另外还有 %1 行）").arg(left));
    }
    for (QString& line : lines)
        line = elidedMiddle(line, MostLineCharacters);
    return lines.join(u'\n');
}

} // namespace

int MessageBoxes::exec(QMessageBox::Icon icon, const QString& text,
                       QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
    if (window_ && beforeShowing_)
        beforeShowing_();
    QMessageBox box(icon, QStringLiteral("Vokarelo"), fitted(text), buttons, window_);
    box.setDefaultButton(escape);
    box.setEscapeButton(escape);
    return box.exec();
}

void MessageBoxes::show(const QString& text) {
    exec(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxes::warn(const QString& text) {
    exec(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxes::ask(const QString& question) {
    return exec(QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}
