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
#include <memory>

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

void MessageBoxes::open(Box box) {
    waiting_.push_back(std::move(box));
    openNext();
}

void MessageBoxes::openNext() {
    while (!open_ && !waiting_.empty()) {
        Box next = std::move(waiting_.front());
        waiting_.pop_front();
        if (closed_) {
            next.answered(nullptr);
            continue;
        }
        if (window_ && beforeShowing_)
            beforeShowing_();
        auto* box = new QMessageBox(next.icon, QStringLiteral("Vokarelo"), QString(),
                                    QMessageBox::NoButton, window_);
        box->setAttribute(Qt::WA_DeleteOnClose);
        // Fitted once its line breaks of every kind count as lines, and then to the screen, where
        // long lines wrap and a line without blanks does not.
        const QString shown = escapedForWindow(next.text);
        qsizetype mostLines = std::min(MostLines, shown.count(u'\n') + 1);
        qsizetype mostCharacters = MostLineCharacters;
        const QScreen* screen = window_ ? window_->screen() : QGuiApplication::primaryScreen();
        const QSize room = screen ? screen->availableGeometry().size() - QSize(0, FrameAllowance)
                                  : QSize(INT_MAX, INT_MAX);
        QAbstractButton* escape = next.buttons(*box);
        for (;;) {
            showPlainText(*box, fitted(shown, mostLines, mostCharacters));
            const QSize wanted = box->sizeHint();
            const bool tall = wanted.height() > room.height() && mostLines > 1;
            const bool wide =
                wanted.width() > room.width() && mostCharacters > MostLineCharacters / 8;
            if (!tall && !wide)
                break;
            if (tall)
                mostLines /= 2;
            if (wide)
                mostCharacters = mostCharacters * 2 / 3;
        }
        if (auto* button = qobject_cast<QPushButton*>(escape))
            box->setDefaultButton(button);
        box->setEscapeButton(escape);
        open_ = box;
        QObject::connect(box, &QDialog::finished, box,
                         [this, box, answered = std::move(next.answered)] {
                             QAbstractButton* pressed = closed_ ? nullptr : box->clickedButton();
                             open_ = nullptr;
                             answered(pressed);
                             openNext();
                         });
        box->open();
        return;
    }
    while (!open_ && waiting_.empty() && !noneOpen_.empty()) {
        const std::function<void()> then = std::move(noneOpen_.front());
        noneOpen_.pop_front();
        then();
    }
}

void MessageBoxes::whenNoneOpen(std::function<void()> then) {
    noneOpen_.push_back(std::move(then));
    openNext();
}

void MessageBoxes::closeForGood() {
    closed_ = true;
    if (open_)
        open_->reject();
    openNext();
}

namespace {

std::function<void(QAbstractButton*)> closed(std::function<void()> then) {
    return [then = std::move(then)](QAbstractButton*) {
        if (then)
            then();
    };
}

QAbstractButton* okButton(QMessageBox& box) {
    return box.addButton(QMessageBox::Ok);
}

} // namespace

void MessageBoxes::show(const QString& text, std::function<void()> then) {
    open({QMessageBox::NoIcon, text, okButton, closed(std::move(then))});
}

void MessageBoxes::warn(const QString& text, std::function<void()> then) {
    open({QMessageBox::Warning, text, okButton, closed(std::move(then))});
}

void MessageBoxes::ask(const QString& question, std::function<void(bool)> then) {
    auto yes = std::make_shared<QAbstractButton*>(nullptr);
    open({QMessageBox::Question, question,
          [yes](QMessageBox& box) {
              *yes = box.addButton(QMessageBox::Yes);
              return box.addButton(QMessageBox::No);
          },
          [yes, then = std::move(then)](QAbstractButton* pressed) {
              then(pressed && pressed == *yes);
          }});
}

void MessageBoxes::choose(const QString& text, const QList<Choice>& choices, int escapeChoice,
                          std::function<void(int)> then) {
    auto added = std::make_shared<QList<QAbstractButton*>>();
    open({QMessageBox::Warning, text,
          [added, choices, escapeChoice](QMessageBox& box) {
              for (const Choice& choice : choices)
                  added->append(box.addButton(choice.text, buttonRole(choice.role)));
              return added->value(escapeChoice);
          },
          [added, escapeChoice, then = std::move(then)](QAbstractButton* pressed) {
              const qsizetype chosen = pressed ? added->indexOf(pressed) : -1;
              then(chosen < 0 ? escapeChoice : int(chosen));
          }});
}
