// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>
#include <functional>

// A check box of the panel. A screen reader toggles it without a click; that change reaches the
// form as the click it stands for, unless it only shows what the form holds already.
class PanelCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    // Whether the form holds the box ticked.
    std::function<bool()> tickedInForm;
    // The box was set to what the form does not hold, other than by a click.
    std::function<void()> setElsewhere;

protected:
    void checkStateSet() override;
};
