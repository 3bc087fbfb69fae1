// SPDX-License-Identifier: MIT
#include "message_boxes.h"

#include <QMessageBox>

void MessageBoxes::setWindow(QWidget* window, std::function<void()> beforeShowing) {
    window_ = window;
    beforeShowing_ = std::move(beforeShowing);
}

void MessageBoxes::show(const QString& text) {
    if (window_ && beforeShowing_)
        beforeShowing_();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vokarelo"), text, QMessageBox::Ok,
                    window_);
    box.exec();
}
