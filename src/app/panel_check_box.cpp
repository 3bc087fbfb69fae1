// SPDX-License-Identifier: MIT
#include "panel_check_box.h"

// Qt calls this for setChecked and toggle, not for a click, which arrives as clicked.
void PanelCheckBox::checkStateSet() {
    QCheckBox::checkStateSet();
    if (tickedInForm && setElsewhere && isChecked() != tickedInForm())
        setElsewhere();
}
