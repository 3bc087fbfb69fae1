// SPDX-License-Identifier: MIT
#include "row_invariants.h"

#include "basic/colour.h"
#include "form/form.h"
#include "records/row_table.h"

QString brokenRowInvariant(const Form& form) {
    const auto shown = [&](ElementId element) { return form.element(element).visible; };
    if (form.value(ControlId::Row3EnableBox) == 1 && form.value(ControlId::Row2EnableBox) != 1)
        return QStringLiteral("Check2 ticked without Check1");
    for (const RecordRow& row : recordRows) {
        const QString at = QStringLiteral(" (row %1)").arg(rowIndex(row) + 1);
        const bool on = !row.enablingBox || form.value(*row.enablingBox) == 1;
        const bool unanswered = form.value(row.unansweredBox) == 1;
        const RowElements& e = row.elements;
        if (row.enablingBox && form.enabled(row.unansweredBox) != on)
            return QStringLiteral("unanswered box enabled differs from its row") + at;
        if (shown(e.dateTime) != on || shown(e.number) != on || shown(e.duration) != on)
            return QStringLiteral("labels shown differ from the row") + at;
        if (shown(e.missedIcon) != (on && unanswered) || shown(e.callIcon) != (on && !unanswered))
            return QStringLiteral("wrong icon") + at;
        if (on && form.element(e.dateTime).foreColor != (unanswered ? Red : Black))
            return QStringLiteral("wrong date colour") + at;
    }
    return {};
}

int rowIndex(const RecordRow& row) {
    return int(&row - recordRows.data());
}
