// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

// In the narrow window the panel lies beyond the window's edge, clipped, not hidden: none of its
// controls may take the focus or the keys meant for what is shown. Back in the wide window they
// take it as before, and the control that had the focus has it again.
class PanelFocus {
public:
    void setPanel(std::vector<QWidget*> controls) { controls_ = std::move(controls); }
    void setPanelShown(bool shown);

private:
    std::vector<QWidget*> controls_;
    std::vector<Qt::FocusPolicy> policies_;
    QPointer<QWidget> focused_;
    bool shown_ = true;
};
