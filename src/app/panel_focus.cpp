// SPDX-License-Identifier: MIT
#include "panel_focus.h"

#include <algorithm>

void PanelFocus::setPanelShown(bool shown) {
    if (shown == shown_)
        return;
    shown_ = shown;
    if (!shown) {
        QWidget* focus = controls_.empty() ? nullptr : controls_.front()->window()->focusWidget();
        const bool onPanel =
            std::find(controls_.begin(), controls_.end(), focus) != controls_.end();
        focused_ = onPanel ? focus : nullptr;
        policies_.clear();
        for (QWidget* control : controls_) {
            policies_.push_back(control->focusPolicy());
            control->setFocusPolicy(Qt::NoFocus);
        }
        if (focused_)
            focused_->clearFocus();
        return;
    }
    for (std::size_t i = 0; i < controls_.size() && i < policies_.size(); ++i)
        controls_[i]->setFocusPolicy(policies_[i]);
    if (focused_ && focused_->isEnabled())
        focused_->setFocus(Qt::OtherFocusReason);
    focused_ = nullptr;
}
