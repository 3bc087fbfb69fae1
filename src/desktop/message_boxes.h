// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>

// Messages in Qt's message box, titled "Vokarelo", modal over the window once it is known, opened
// one at a time and never waited for in a loop of the program's own: a box answers through its
// continuation when the user closes it. A box fits the screen whatever its text: a line too long
// for it is shortened in its middle, and lines beyond what it shows are left out. Every text is
// shown as plain text (shown_text.h).
class MessageBoxes final : public Messages {
public:
    // beforeShowing runs before each box opens: the window shows the state the command that
    // speaks has reached so far.
    void setWindow(QWidget* window, std::function<void()> beforeShowing);
    void show(const QString& text, std::function<void()> then = {}) override;
    void warn(const QString& text, std::function<void()> then = {}) override;
    void ask(const QString& question, std::function<void(bool)> then) override;
    void choose(const QString& text, const QList<Choice>& choices, int escapeChoice,
                std::function<void(int)> then) override;
    void whenNoneOpen(std::function<void()> then) override;
    void closeForGood() override;
    // The box open now; none when none is.
    QMessageBox* openBox() const { return open_; }

private:
    // A box to open: buttons adds its buttons and returns the one that is the default and answers
    // Escape; answered has the button the user pressed, or none when the program is ending.
    struct Box {
        QMessageBox::Icon icon;
        QString text;
        std::function<QAbstractButton*(QMessageBox&)> buttons;
        std::function<void(QAbstractButton* pressed)> answered;
    };
    void open(Box box);
    void openNext();

    QPointer<QWidget> window_;
    std::function<void()> beforeShowing_;
    std::deque<Box> waiting_;
    QPointer<QMessageBox> open_;
    std::deque<std::function<void()>> noneOpen_;
    bool closed_ = false;
};
