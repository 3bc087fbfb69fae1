// SPDX-License-Identifier: MIT
#include "message_boxes.h"

#include "basic/conversions.h"
#include "shown_text.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <climits>

void MessageBoxes::setWindow(QWidget* window, std::function<void()> beforeShowing) {
    window_ = window;
    beforeShowing_ = std::move(beforeShowing);
}

namespace {

// What a box shows of a text: enough for a screen of a laptop, fewer lines on a shorter screen.
constexpr qsizetype MostLineCharacters = 160;
constexpr qsizetype MostLines = 40;
// What the window manager's title bar and frame take of the screen's height.
constexpr int FrameAllowance = 80;

QString fitted(const QString& text, qsizetype mostLines, qsizetype mostCharacters) {
    QStringList lines = text.split(u'\n');
    const qsizetype left = lines.size() - mostLines;
    if (left > 0) {
        lines.resize(mostLines);
        lines.append(QStringLiteral("……（另外还有 %1 行）").arg(left));
    }
    for (QString& line : lines)
        line = elidedMiddle(line, mostCharacters);
    return lines.join(u'\n');
}

QMessageBox::ButtonRole buttonRole(Choice::Role role) {
    switch (role) {
    case Choice::Role::Go:
        return QMessageBox::AcceptRole;
    case Choice::Role::Destroy:
        return QMessageBox::DestructiveRole;
    case Choice::Role::Back:
        break;
    }
    return QMessageBox::RejectRole;
}

} // namespace

QAbstractButton* MessageBoxes::exec(QMessageBox::Icon icon, const QString& text,
                                    const std::function<QAbstractButton*(QMessageBox&)>& buttons) {
    if (closed_)
        return nullptr;
    if (window_ && beforeShowing_)
        beforeShowing_();
    QMessageBox box(icon, QStringLiteral("Vokarelo"), QString(), QMessageBox::NoButton, window_);
    // Fitted once its line breaks of every kind count as lines, and then to the screen, where long
    // lines wrap and a line without blanks does not.
    const QString shown = escapedForWindow(text);
    qsizetype mostLines = std::min(MostLines, shown.count(u'\n') + 1);
    qsizetype mostCharacters = MostLineCharacters;
    const QScreen* screen = window_ ? window_->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(0, FrameAllowance)
                              : QSize(INT_MAX, INT_MAX);
    QAbstractButton* escape = buttons(box);
    for (;;) {
        showPlainText(box, fitted(shown, mostLines, mostCharacters));
        const QSize wanted = box.sizeHint();
        const bool tall = wanted.height() > room.height() && mostLines > 1;
        const bool wide = wanted.width() > room.width() && mostCharacters > MostLineCharacters / 8;
        if (!tall && !wide)
            break;
        if (tall)
            mostLines /= 2;
        if (wide)
            mostCharacters = mostCharacters * 2 / 3;
    }
    if (auto* button = qobject_cast<QPushButton*>(escape))
        box.setDefaultButton(button);
    box.setEscapeButton(escape);
    open_ = &box;
    box.exec();
    return closed_ ? nullptr : box.clickedButton();
}

void MessageBoxes::closeForGood() {
    closed_ = true;
    if (open_)
        open_->reject();
}

void MessageBoxes::show(const QString& text) {
    exec(QMessageBox::NoIcon, text,
         [](QMessageBox& box) { return box.addButton(QMessageBox::Ok); });
}

void MessageBoxes::warn(const QString& text) {
    exec(QMessageBox::Warning, text,
         [](QMessageBox& box) { return box.addButton(QMessageBox::Ok); });
}

bool MessageBoxes::ask(const QString& question) {
    QAbstractButton* yes = nullptr;
    const QAbstractButton* answer = exec(QMessageBox::Question, question, [&yes](QMessageBox& box) {
        yes = box.addButton(QMessageBox::Yes);
        return box.addButton(QMessageBox::No);
    });
    return answer && answer == yes;
}

int MessageBoxes::choose(const QString& text, const QList<Choice>& choices, int escapeChoice) {
    QList<QAbstractButton*> added;
    const QAbstractButton* answer = exec(QMessageBox::Warning, text, [&](QMessageBox& box) {
        for (const Choice& choice : choices)
            added.append(box.addButton(choice.text, buttonRole(choice.role)));
        return added.value(escapeChoice);
    });
    const qsizetype chosen = answer ? added.indexOf(answer) : -1;
    return chosen < 0 ? escapeChoice : int(chosen);
}
