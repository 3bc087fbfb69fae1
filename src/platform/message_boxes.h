// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// Messages in Qt's modal message box, titled "Vokarelo", over the window once it is known.
class MessageBoxes final : public Messages {
public:
    // beforeShowing runs before each box opens: the window shows the state the command that
    // speaks has reached so far.
    void setWindow(QWidget* window, std::function<void()> beforeShowing);
    void show(const QString& text) override;

private:
    QPointer<QWidget> window_;
    std::function<void()> beforeShowing_;
};
