// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QPointer>
#include <QWidget>

// The screen the window is on; before the window is known, the primary screen.
class QtScreen final : public Screen {
public:
    void setWindow(QWidget* window) { window_ = window; }

    int heightPixels() const override;
    qreal pixelRatio() const override;

private:
    QPointer<QWidget> window_;
};
