// SPDX-License-Identifier: MIT
#include "accessible_names.h"

QString accessibleName(const PanelControl& control) {
    switch (control.kind) {
    case ControlKind::Line:
        return {};
    case ControlKind::TextField:
        return QString::fromUtf8(control.label);
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::CheckBox:
        break;
    }
    // The panel's title starts with a blank that only places it.
    const QString caption = QString::fromUtf8(control.text).trimmed();
    if (!control.subject)
        return caption;
    return caption + u' ' + QString::fromUtf8(control.subject);
}
