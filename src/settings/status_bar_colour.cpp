// SPDX-License-Identifier: MIT
#include "status_bar_colour.h"

#include "basic/conversions.h"
#include "form/field_blame.h"
#include "form/form.h"

PackedColour statusBarColour(const Form& form, ColourReadOrder order) {
    const ControlId fields[] = {ControlId::ColourRedField, ControlId::ColourGreenField,
                                ControlId::ColourBlueField};
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        const int at = order == ColourReadOrder::RedFirst ? i : 2 - i;
        rgb[at] =
            blamingField(form, fields[at], [&] { return int(toInt16(form.text(fields[at]))); });
    }
    return colourRule(rgb[0], rgb[1], rgb[2]);
}
