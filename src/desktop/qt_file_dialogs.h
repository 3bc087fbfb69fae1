// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QPointer>
#include <QWidget>

// Qt's own file dialogs, not the desktop's, so that they look and behave the same on every desktop
// and the window's fitting of their columns reaches them; over the window once it is known.
class QtFileDialogs final : public FileDialogs {
public:
    void setWindow(QWidget* window) { window_ = window; }
    void saveFileName(const QString& title, const QString& start, const QString& filter,
                      std::function<void(QString)> then) override;
    void openFileName(const QString& title, const QString& folder, const QString& filter,
                      std::function<void(QString)> then) override;

private:
    QPointer<QWidget> window_;
};
