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
    void closeForGood() override;

private:
    int exec(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
             QMessageBox::StandardButton escape);

    QPointer<QWidget> window_;
    std::function<void()> beforeShowing_;
    QPointer<QMessageBox> open_;
    bool closed_ = false;
};
