// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>

// Messages in Qt's modal message box, titled "Vokarelo", over the window once it is known. A box
// fits the screen whatever its text: a line too long for it is shortened in its middle, and lines
// beyond what it shows are left out. Every text is shown as plain text (shown_text.h).
class MessageBoxes final : public Messages {
public:
    // beforeShowing runs before each box opens: the window shows the state the command that
    // speaks has reached so far.
    void setWindow(QWidget* window, std::function<void()> beforeShowing);
    void show(const QString& text) override;
    void warn(const QString& text) override;
    bool ask(const QString& question) override;
    int choose(const QString& text, const QList<Choice>& choices, int escapeChoice) override;
    void closeForGood() override;

private:
    // Shows a box with the buttons that buttons adds to it; the one it returns is the default and
    // answers Escape. The button the user pressed, or none when the program is ending.
    QAbstractButton* exec(QMessageBox::Icon icon, const QString& text,
                          const std::function<QAbstractButton*(QMessageBox&)>& buttons);

    QPointer<QWidget> window_;
    std::function<void()> beforeShowing_;
    QPointer<QMessageBox> open_;
    bool closed_ = false;
};
